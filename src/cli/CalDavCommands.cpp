#include "accounts/CrewEvents.h"
#include "caldav/CalDavDiscovery.h"
#include "caldav/CalendarSync.h"
#include "caldav/CurlHttpClient.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/CrewCalendarOptions.h"
#include "platform/Clock.h"

#include <set>

namespace tp::cli {

namespace {

// What both commands need to reach the server.
struct ServerOptions {
    std::string url;
    caldav::HttpSettings http;
};

std::optional<ServerOptions> parseServerOptions(const ParsedArguments& parsed,
                                                std::string_view command, std::istream& in,
                                                std::ostream& err) {
    ServerOptions options;
    const std::string* url = optionValue(parsed, "url");
    const std::string* user = optionValue(parsed, "user");
    if (!url || url->empty()) {
        err << command << ": --url wird gebraucht\n";
        return std::nullopt;
    }
    if (!user || user->empty()) {
        err << command << ": --user wird gebraucht\n";
        return std::nullopt;
    }
    options.url = *url;
    options.http.user = *user;
    if (const std::string* caFile = optionValue(parsed, "ca-file")) {
        std::error_code ignored;
        if (caFile->empty() || !std::filesystem::is_regular_file(*caFile, ignored)) {
            err << command << ": --ca-file muss eine vorhandene Datei nennen\n";
            return std::nullopt;
        }
        options.http.caFile = *caFile;
    }
    // Never from the arguments: every user of the computer can read those.
    if (hasFlag(parsed, "password-stdin")) {
        std::getline(in, options.http.password);
        if (!options.http.password.empty() && options.http.password.back() == '\r')
            options.http.password.pop_back();
        if (options.http.password.empty()) {
            err << command << ": --password-stdin fand kein Passwort auf der Standardeingabe\n";
            return std::nullopt;
        }
    }
    return options;
}

int serverFailed(std::string_view command, const caldav::Failure& failure, std::ostream& err) {
    err << command << ": " << caldav::failureMessage(failure) << '\n';
    return kServerError;
}

} // namespace

int runCalDavCalendarsCommand(const std::vector<std::string>& arguments, std::istream& in,
                              std::ostream& out, std::ostream& err) {
    constexpr std::string_view kCommand = "caldav-calendars";
    std::string error;
    const auto parsed =
        parseArguments(arguments, {"url", "user", "ca-file"}, {"password-stdin"}, error);
    if (!parsed || !parsed->positional.empty()) {
        err << kCommand << ": " << (parsed ? "VON und BIS gehören nicht hierher" : error) << '\n';
        return kUsageError;
    }
    const auto server = parseServerOptions(*parsed, kCommand, in, err);
    if (!server)
        return kUsageError;
    caldav::CurlHttpClient http(server->http);
    const caldav::Discovery discovery = caldav::discoverCalendars(http, server->url);
    if (discovery.failure)
        return serverFailed(kCommand, *discovery.failure, err);
    for (const caldav::CalendarEntry& calendar : discovery.calendars)
        out << calendar.url << '\t' << calendar.displayName << '\n';
    return 0;
}

int runCalDavSyncCommand(const std::vector<std::string>& arguments, std::istream& in,
                         std::ostream& out, std::ostream& err) {
    constexpr std::string_view kCommand = "caldav-sync";
    std::set<std::string> known(std::begin(kCrewCalendarOptionNames),
                                std::end(kCrewCalendarOptionNames));
    known.insert({"url", "user", "ca-file", "alarm"});
    std::string error;
    const auto parsed = parseArguments(arguments, known, {"password-stdin"}, error);
    if (!parsed) {
        err << kCommand << ": " << error << '\n';
        return kUsageError;
    }
    auto crewCalendar = parseCrewCalendarOptions(*parsed, kCommand, err);
    if (!crewCalendar)
        return kUsageError;
    int alarmMinutes = 0;
    if (const std::string* text = optionValue(*parsed, "alarm")) {
        constexpr int kWeekMinutes = 7 * 24 * 60;
        const auto minutes = parseInteger(*text, 0, kWeekMinutes);
        if (!minutes) {
            err << kCommand << ": --alarm muss eine Minutenzahl von 0 bis " << kWeekMinutes
                << " sein\n";
            return kUsageError;
        }
        alarmMinutes = *minutes;
    }
    const auto server = parseServerOptions(*parsed, kCommand, in, err);
    if (!server)
        return kUsageError;
    CrewCalendarData data;
    if (!loadCrewCalendarData(*crewCalendar, data, kCommand, err))
        return kUsageError;
    const CrewCalendarRequest& calendar = crewCalendar->calendar;

    caldav::CurlHttpClient http(server->http);
    caldav::CalendarSync sync(http, {server->url, alarmMinutes, SystemClock().secondsSinceEpoch()});
    const caldav::SyncResult result =
        sync.run(crewCalendarEvents(calendar), calendar.from, calendar.to);
    if (result.failure)
        return serverFailed(kCommand, *result.failure, err);
    out << caldav::countsLine(result.counts) << '\n';
    return 0;
}

} // namespace tp::cli
