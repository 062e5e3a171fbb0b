#include "cli/CrewCalendarOptions.h"

#include "cli/DataFolderSession.h"
#include "model/BlockCrewOrder.h"

#include <climits>

namespace tp::cli {

std::optional<CrewCalendarOptions> parseCrewCalendarOptions(const ParsedArguments& parsed,
                                                            std::string_view command,
                                                            std::ostream& err) {
    std::string error;
    const auto range = parseDayRange(parsed, error);
    if (!range) {
        err << command << ": " << error << '\n';
        return std::nullopt;
    }
    CrewCalendarOptions options;
    options.calendar.from = range->from;
    options.calendar.to = range->to;
    ShiftSystem& system = options.calendar.system;
    if (const std::string* text = optionValue(parsed, "type")) {
        const auto number = parseInteger(*text, 0, kCalendarTypeCount - 1);
        if (!number) {
            err << command << ": --type muss 0..7 sein\n";
            return std::nullopt;
        }
        system.calendarType = *calendarTypeFromNumber(*number);
    }
    if (const std::string* text = optionValue(parsed, "vacation-start")) {
        const auto start = parseMonthDay(*text);
        if (!start) {
            err << command << ": --vacation-start muss MM-TT sein\n";
            return std::nullopt;
        }
        system.earliestVacationStart = *start;
    }
    if (const std::string* text = optionValue(parsed, "cycle")) {
        const auto cycle = parseInteger(*text, 0, INT_MAX);
        if (!cycle) {
            err << command << ": --cycle muss eine ganze Zahl ab 0 sein\n";
            return std::nullopt;
        }
        // As the program does for the year it shows first: here the year of FROM.
        rotateBlockCrewOrder(system.blockVacationTables, civilFromDayNumber(range->from).year,
                             *cycle);
    }
    if (const std::string* folder = optionValue(parsed, "data")) {
        if (const std::string problem = dataFolderProblem(folder); !problem.empty()) {
            err << command << ": " << problem << '\n';
            return std::nullopt;
        }
        options.folder = std::filesystem::path(*folder);
    }
    if (const std::string* crew = optionValue(parsed, "crew")) {
        const auto number = crewOfName(*crew, system.calendarType);
        if (!number) {
            err << command << ": --crew muss unter Typ " << numberOf(system.calendarType) << " "
                << (isFourCrew(system.calendarType) ? "A, B, C oder D"
                    : system.calendarType == CalendarType::WendringTwoShift
                        ? "rot, blau oder gelb"
                        : "rot, blau, gelb, grün oder braun")
                << " sein\n";
            return std::nullopt;
        }
        options.calendar.crew = *number;
    } else if (!options.folder || isFourCrew(system.calendarType)) {
        err << command << ": --crew wird gebraucht"
            << (isFourCrew(system.calendarType) ? " unter den Typen 6 und 7\n" : " ohne --data\n");
        return std::nullopt;
    } else {
        options.calendar.crew = -1; // the user's base crew, read with the data
    }
    return options;
}

bool loadCrewCalendarData(CrewCalendarOptions& options, CrewCalendarData& data,
                          std::string_view command, std::ostream& err) {
    if (!options.folder)
        return true;
    CrewCalendarRequest& calendar = options.calendar;
    const DataFolderSession folder(*options.folder);
    const SessionState& state = folder.session.state();
    data.markings = state.shiftMarkings;
    data.bars = state.calendarBars;
    if (!folder.allRead({kShiftMarkingFileName, kCalendarBarFileName}, command, err))
        return false;
    calendar.markings = &data.markings;
    calendar.bars = &data.bars;
    if (calendar.crew < 0) {
        if (!folder.allRead({kHoursAccountFileName}, command, err))
            return false;
        calendar.crew = state.hoursAccount.baseCrew;
        if (calendar.crew < 0 || calendar.crew >= crewCount(calendar.system.calendarType)) {
            err << command << ": die Grundschicht in " << kHoursAccountFileName
                << " ist keine Schicht des Typs " << numberOf(calendar.system.calendarType)
                << "; bitte --crew angeben\n";
            return false;
        }
    }
    return true;
}

} // namespace tp::cli
