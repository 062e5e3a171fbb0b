#include "accounts/AccountBalances.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DataFolderSession.h"
#include "model/BlockCrewOrder.h"

#include <climits>
#include <filesystem>

namespace tp::cli {

namespace {

const char* colourName(BalanceColour colour) {
    switch (colour) {
    case BalanceColour::DarkRed:
        return "darkred";
    case BalanceColour::DarkGreen:
        return "darkgreen";
    case BalanceColour::Black:
        break;
    }
    return "black";
}

struct AccountsRequest {
    std::filesystem::path folder;
    DayNumber today = 0;
    ShiftSystem system;
};

std::optional<AccountsRequest> parseAccountsRequest(const std::vector<std::string>& arguments,
                                                    std::ostream& err) {
    std::string error;
    const auto parsed =
        parseArguments(arguments, {"data", "today", "type", "vacation-start", "cycle"}, error);
    if (!parsed) {
        err << "accounts: " << error << '\n';
        return std::nullopt;
    }
    if (!parsed->positional.empty()) {
        err << "accounts: unerwartetes Argument: " << parsed->positional[0] << '\n';
        return std::nullopt;
    }
    AccountsRequest request;
    const std::string* folder = optionValue(*parsed, "data");
    if (const std::string problem = dataFolderProblem(folder); !problem.empty()) {
        err << "accounts: " << problem << '\n';
        return std::nullopt;
    }
    request.folder = *folder;
    const std::string* todayText = optionValue(*parsed, "today");
    const auto today = todayText ? parseSupportedDate(*todayText) : std::nullopt;
    if (!today) {
        err << "accounts: --today muss JJJJ-MM-TT zwischen 1970-01-01 und 2037-07-31 sein\n";
        return std::nullopt;
    }
    request.today = *today;
    if (const std::string* text = optionValue(*parsed, "type")) {
        const auto type = parseInteger(*text, 0, kCalendarTypeCount - 1);
        if (!type) {
            err << "accounts: --type muss 0..7 sein\n";
            return std::nullopt;
        }
        request.system.calendarType = *calendarTypeFromNumber(*type);
    }
    if (const std::string* text = optionValue(*parsed, "vacation-start")) {
        const auto start = parseMonthDay(*text);
        if (!start) {
            err << "accounts: --vacation-start muss MM-TT sein\n";
            return std::nullopt;
        }
        request.system.earliestVacationStart = *start;
    }
    if (const std::string* text = optionValue(*parsed, "cycle")) {
        const auto cycle = parseInteger(*text, 0, INT_MAX);
        if (!cycle) {
            err << "accounts: --cycle muss eine ganze Zahl ab 0 sein\n";
            return std::nullopt;
        }
        // As when the settings are loaded: the table of the calendar's year, today's.
        rotateBlockCrewOrder(request.system.blockVacationTables,
                             civilFromDayNumber(request.today).year, *cycle);
    }
    return request;
}

} // namespace

int runAccountsCommand(const std::vector<std::string>& arguments, std::ostream& out,
                       std::ostream& err) {
    const auto request = parseAccountsRequest(arguments, err);
    if (!request)
        return kUsageError;
    const DataFolderSession data(request->folder);
    if (!data.allRead({kHoursAccountFileName, kVacationAccountFileName, kShiftMarkingFileName},
                      "accounts", err))
        return kUsageError;
    const SessionState& state = data.session.state();
    const HoursStatus hoursStatus =
        computeHoursBalance(request->system, state.hoursAccount, state.vacationAccount,
                            state.shiftMarkings, request->today);
    out << "hours\t" << hoursStatus.text << '\t' << colourName(hoursStatus.colour) << '\n';
    out << "vacation\t"
        << computeVacationBalance(request->system, state.vacationAccount,
                                  state.hoursAccount.baseCrew, state.shiftMarkings, request->today)
        << '\n';
    return 0;
}

} // namespace tp::cli
