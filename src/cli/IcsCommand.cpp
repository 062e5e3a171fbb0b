#include "accounts/CrewEvents.h"
#include "accounts/ICalendarText.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/CrewCalendarOptions.h"
#include "platform/Clock.h"
#include "platform/OutputFile.h"

#include <cstring>
#include <set>

namespace tp::cli {

namespace {

struct IcsRequest {
    CrewCalendarOptions crewCalendar;
    std::optional<std::string> outputPath;
};

std::optional<IcsRequest> parseIcsRequest(const std::vector<std::string>& arguments,
                                          std::ostream& err) {
    std::set<std::string> known(std::begin(kCrewCalendarOptionNames),
                                std::end(kCrewCalendarOptionNames));
    known.insert("out");
    std::string error;
    const auto parsed = parseArguments(arguments, known, error);
    if (!parsed) {
        err << "ics: " << error << '\n';
        return std::nullopt;
    }
    auto crewCalendar = parseCrewCalendarOptions(*parsed, "ics", err);
    if (!crewCalendar)
        return std::nullopt;
    IcsRequest request{std::move(*crewCalendar), std::nullopt};
    if (const std::string* out = optionValue(*parsed, "out")) {
        if (out->empty()) {
            err << "ics: --out braucht einen Dateinamen\n";
            return std::nullopt;
        }
        request.outputPath = *out;
    }
    return request;
}

} // namespace

int runIcsCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    auto request = parseIcsRequest(arguments, err);
    if (!request)
        return kUsageError;
    CrewCalendarData data;
    if (!loadCrewCalendarData(request->crewCalendar, data, "ics", err))
        return kUsageError;
    const CrewCalendarRequest& calendar = request->crewCalendar.calendar;

    const std::string text = crewCalendarText(calendar, SystemClock().secondsSinceEpoch());
    if (!request->outputPath) {
        out << text;
        return 0;
    }
    const WriteResult written = writeOutputFile(*request->outputPath, text);
    if (!written) {
        err << "ics: " << *request->outputPath
            << " kann nicht geschrieben werden: " << written.reason << '\n';
        return kWriteError;
    }
    return 0;
}

} // namespace tp::cli
