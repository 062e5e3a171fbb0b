#include "accounts/AccountFiles.h"
#include "accounts/BlockCrewOrder.h"
#include "accounts/CrewEvents.h"
#include "accounts/ICalendarText.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "platform/AtomicFile.h"

#include <chrono>
#include <climits>
#include <cstring>
#include <filesystem>

namespace tp::cli {

namespace {

struct IcsRequest {
    CrewCalendarRequest calendar;
    std::optional<std::filesystem::path> folder;
    std::optional<std::string> outputPath;
};

std::optional<IcsRequest> parseIcsRequest(const std::vector<std::string>& arguments,
                                          std::ostream& err) {
    std::string error;
    const auto parsed = parseArguments(
        arguments, {"crew", "type", "vacation-start", "cycle", "data", "out"}, error);
    if (!parsed) {
        err << "ics: " << error << '\n';
        return std::nullopt;
    }
    const auto range = parseDayRange(*parsed, error);
    if (!range) {
        err << "ics: " << error << '\n';
        return std::nullopt;
    }
    IcsRequest request;
    request.calendar.from = range->from;
    request.calendar.to = range->to;
    ShiftSystem& system = request.calendar.system;
    if (const std::string* text = optionValue(*parsed, "type")) {
        const auto number = parseInteger(*text, 0, kCalendarTypeCount - 1);
        if (!number) {
            err << "ics: --type must be 0..7\n";
            return std::nullopt;
        }
        system.calendarType = *calendarTypeFromNumber(*number);
    }
    if (const std::string* text = optionValue(*parsed, "vacation-start")) {
        const auto start = parseMonthDay(*text);
        if (!start) {
            err << "ics: --vacation-start must be MM-DD\n";
            return std::nullopt;
        }
        system.earliestVacationStart = *start;
    }
    if (const std::string* text = optionValue(*parsed, "cycle")) {
        const auto cycle = parseInteger(*text, 0, INT_MAX);
        if (!cycle) {
            err << "ics: --cycle must be a whole number from 0\n";
            return std::nullopt;
        }
        // As the program does for the year it shows first: here the year of FROM.
        rotateBlockCrewOrder(system.blockVacationTables, civilFromDayNumber(range->from).year,
                             *cycle);
    }
    if (const std::string* folder = optionValue(*parsed, "data")) {
        std::error_code ignored;
        if (folder->empty() || !std::filesystem::is_directory(*folder, ignored)) {
            err << "ics: --data must name an existing folder\n";
            return std::nullopt;
        }
        request.folder = std::filesystem::path(*folder);
    }
    if (const std::string* out = optionValue(*parsed, "out")) {
        if (out->empty()) {
            err << "ics: --out needs a file name\n";
            return std::nullopt;
        }
        request.outputPath = *out;
    }
    if (const std::string* crew = optionValue(*parsed, "crew")) {
        const auto number = crewOfName(*crew, system.calendarType);
        if (!number) {
            err << "ics: --crew must be "
                << (isFourCrew(system.calendarType) ? "A, B, C or D"
                    : system.calendarType == CalendarType::WendringTwoShift
                        ? "rot, blau or gelb"
                        : "rot, blau, gelb, grün or braun")
                << " under type " << numberOf(system.calendarType) << '\n';
            return std::nullopt;
        }
        request.calendar.crew = *number;
    } else if (!request.folder || isFourCrew(system.calendarType)) {
        err << "ics: --crew is needed"
            << (isFourCrew(system.calendarType) ? " under types 6 and 7\n" : " without --data\n");
        return std::nullopt;
    } else {
        request.calendar.crew = -1; // the user's base crew, read below
    }
    return request;
}

std::int64_t secondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

int runIcsCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    auto request = parseIcsRequest(arguments, err);
    if (!request)
        return kUsageError;
    CrewCalendarRequest& calendar = request->calendar;
    ShiftMarkingList markings;
    CalendarBarList bars;
    if (request->folder) {
        markings = loadShiftMarkings(*request->folder);
        bars = loadCalendarBars(*request->folder);
        for (const auto& [unreadable, name] :
             {std::pair{markings.fileUnreadable, kShiftMarkingFileName},
              std::pair{bars.fileUnreadable, kCalendarBarFileName}}) {
            if (unreadable) {
                err << "ics: " << name << " cannot be read\n";
                return kUsageError;
            }
        }
        calendar.markings = &markings;
        calendar.bars = &bars;
        if (calendar.crew < 0) {
            const auto hours = loadHoursAccount(*request->folder);
            if (hours.status == DataFileStatus::Unreadable) {
                err << "ics: " << kHoursAccountFileName << " cannot be read\n";
                return kUsageError;
            }
            calendar.crew = hours.account.baseCrew;
            if (calendar.crew < 0 || calendar.crew >= crewCount(calendar.system.calendarType)) {
                err << "ics: the base crew of " << kHoursAccountFileName
                    << " is not a crew of type " << numberOf(calendar.system.calendarType)
                    << "; give --crew\n";
                return kUsageError;
            }
        }
    }

    const std::string text = crewCalendarText(calendar, secondsNow());
    if (!request->outputPath) {
        out << text;
        return 0;
    }
    const WriteResult written = writeFileAtomically(*request->outputPath, text);
    if (!written) {
        err << "ics: cannot write " << *request->outputPath << ": "
            << std::strerror(written.errorNumber) << '\n';
        return kWriteError;
    }
    return 0;
}

} // namespace tp::cli
