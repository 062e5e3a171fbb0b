#include "accounts/YearlyHoursTable.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "settings/ProgramSettings.h"
#include "settings/TypedSettings.h"

#include <cmath>

namespace tp::cli {

namespace {

// The years the "Jahresstunden" window can reach from any calendar year.
constexpr int kFirstYearlyHoursYear = kFirstSupportedYear - kYearlyHoursYearsBefore;
constexpr int kLastYearlyHoursYear = kLastSupportedYear + kYearlyHoursYearsAfter;

// As the settings dialog takes them, but with a decimal point only and no blanks around.
std::optional<float> parseTargetHoursOption(const std::string& text) {
    const auto value = parseReal(text);
    if (!value || *value < 0.0 || *value > kLargestTargetHours)
        return std::nullopt;
    return static_cast<float>(*value);
}

} // namespace

int runYearlyCommand(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err) {
    std::string error;
    const auto parsed = parseArguments(arguments, {"type", "target38", "target40"}, error);
    if (!parsed) {
        err << "yearly: " << error << '\n';
        return kUsageError;
    }
    const auto year =
        parsed->positional.size() == 1
            ? parseInteger(parsed->positional[0], kFirstYearlyHoursYear, kLastYearlyHoursYear)
            : std::nullopt;
    if (!year) {
        err << "yearly: erwartet ein JAHR (" << kFirstYearlyHoursYear << ".."
            << kLastYearlyHoursYear << ")\n";
        return kUsageError;
    }
    ShiftSystem system;
    if (const std::string* text = optionValue(*parsed, "type")) {
        const auto type = parseInteger(*text, 0, kCalendarTypeCount - 1);
        if (!type) {
            err << "yearly: --type muss 0..7 sein\n";
            return kUsageError;
        }
        system.calendarType = *calendarTypeFromNumber(*type);
    }
    const AccountTargets defaults;
    float targets[2] = {defaults.targetHours38, defaults.targetHours40};
    const char* targetOptions[2] = {"target38", "target40"};
    for (int i = 0; i < 2; ++i) {
        if (const std::string* text = optionValue(*parsed, targetOptions[i])) {
            const auto target = parseTargetHoursOption(*text);
            if (!target) {
                err << "yearly: --" << targetOptions[i]
                    << " muss eine Stundenzahl von 0 bis 100000 sein\n";
                return kUsageError;
            }
            targets[i] = *target;
        }
    }
    const auto table = yearlyHoursTable(system, *year, targets[0], targets[1]);
    if (!table)
        return 0; // the four-crew systems have no table
    out << "Monat";
    for (std::string_view name : table->crewNames)
        out << '\t' << name;
    out << '\n';
    for (const YearlyHoursRow& row : table->rows) {
        out << row.label;
        for (const std::string& cell : row.cells)
            out << '\t' << cell;
        out << '\n';
    }
    return 0;
}

} // namespace tp::cli
