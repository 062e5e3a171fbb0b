#include "accounts/SupplementHours.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/CrewCalendarOptions.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace tp::cli {

namespace {

struct SupplementsRequest {
    CrewCalendarOptions crewCalendar;
    StatementPeriod period = StatementPeriod::Month;
    std::optional<int> wageCents;
};

// "18.50" or "18,50" euros; nothing for a negative or malformed amount.
std::optional<int> parseWageCents(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    const auto euros = parseReal(text);
    if (!euros || !std::isfinite(*euros) || *euros < 0)
        return std::nullopt;
    // Wages above the tax-free limit count as the limit, so larger amounts need no cents.
    return static_cast<int>(std::lround(std::min(*euros, 1e6) * 100));
}

std::optional<SupplementsRequest> parseSupplementsRequest(const std::vector<std::string>& arguments,
                                                          std::ostream& err) {
    std::set<std::string> known(std::begin(kCrewCalendarOptionNames),
                                std::end(kCrewCalendarOptionNames));
    known.insert({"by", "wage"});
    std::string error;
    const auto parsed = parseArguments(arguments, known, error);
    if (!parsed) {
        err << "supplements: " << error << '\n';
        return std::nullopt;
    }
    auto crewCalendar = parseCrewCalendarOptions(*parsed, "supplements", err);
    if (!crewCalendar)
        return std::nullopt;
    SupplementsRequest request{std::move(*crewCalendar), StatementPeriod::Month, std::nullopt};
    if (const std::string* by = optionValue(*parsed, "by")) {
        if (*by == "day") {
            request.period = StatementPeriod::Day;
        } else if (*by != "month") {
            err << "supplements: --by muss month oder day sein\n";
            return std::nullopt;
        }
    }
    if (const std::string* wage = optionValue(*parsed, "wage")) {
        request.wageCents = parseWageCents(*wage);
        if (!request.wageCents) {
            err << "supplements: --wage muss ein Stundenlohn in Euro sein, etwa 18.50\n";
            return std::nullopt;
        }
    }
    return request;
}

void appendRow(std::string& text, std::string_view period, const SupplementMinutes& minutes,
               std::optional<int> wageCents) {
    text += period;
    text += '\t';
    text += supplementColumnsText(minutes, wageCents);
}

} // namespace

int runSupplementsCommand(const std::vector<std::string>& arguments, std::ostream& out,
                          std::ostream& err) {
    auto request = parseSupplementsRequest(arguments, err);
    if (!request)
        return kUsageError;
    CrewCalendarData data;
    if (!loadCrewCalendarData(request->crewCalendar, data, "supplements", err))
        return kUsageError;

    std::string text = supplementHeaderText("Zeitraum", request->wageCents.has_value());
    SupplementMinutes sum;
    for (const StatementRow& row :
         supplementStatement(request->crewCalendar.calendar, request->period)) {
        const std::string date = isoDateText(row.first);
        appendRow(text, request->period == StatementPeriod::Month ? date.substr(0, 7) : date,
                  row.minutes, request->wageCents);
        sum += row.minutes;
    }
    appendRow(text, "Summe", sum, request->wageCents);
    out << text;
    return 0;
}

} // namespace tp::cli
