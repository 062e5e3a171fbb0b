#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DaysReport.h"

#include <sstream>

namespace tp::cli {

int runDaysCommand(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    std::string error;
    const auto parsed = parseArguments(arguments, {"type", "vacation-start"}, error);
    if (!parsed) {
        err << "days: " << error << '\n';
        return kUsageError;
    }
    const auto range = parseDayRange(*parsed, error);
    if (!range) {
        err << "days: " << error << '\n';
        return kUsageError;
    }
    ShiftSystem system;
    if (const std::string* text = optionValue(*parsed, "type")) {
        const auto number = parseInteger(*text, 0, kCalendarTypeCount - 1);
        const auto type = number ? calendarTypeFromNumber(*number) : std::nullopt;
        if (!type) {
            err << "days: --type muss 0..7 sein\n";
            return kUsageError;
        }
        system.calendarType = *type;
    }
    if (const std::string* text = optionValue(*parsed, "vacation-start")) {
        const auto start = parseMonthDay(*text);
        if (!start) {
            err << "days: --vacation-start muss MM-TT sein\n";
            return kUsageError;
        }
        system.earliestVacationStart = *start;
    }
    writeDaysReport(out, system, range->from, range->to);
    return 0;
}

} // namespace tp::cli
