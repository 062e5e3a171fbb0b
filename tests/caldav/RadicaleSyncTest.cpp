#include "TestServers.h"

#include "accounts/CrewEvents.h"
#include "accounts/ICalendarText.h"
#include "caldav/CalDavDiscovery.h"
#include "caldav/CalendarSync.h"
#include "caldav/CurlHttpClient.h"
#include "caldav/EventText.h"
#include "caldav/Multistatus.h"
#include "cli/Commands.h"
#include "markings/CalendarBars.h"
#include "markings/MarkingCodes.h"
#include "markings/ShiftMarkings.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

namespace tp {
namespace {

using namespace caldav;

constexpr const char* kFrom = "2026-01-01";
constexpr const char* kTo = "2027-01-31";
const DayNumber kFromDay = dayNumberOf(2026, 1, 1);
const DayNumber kToDay = dayNumberOf(2027, 1, 31);

// Records the methods a sync sends, for the counts a user would feel as traffic.
class RecordingHttp : public HttpClient {
  public:
    explicit RecordingHttp(HttpClient& inner) : inner_(inner) {}
    HttpResponse send(const HttpRequest& request) override {
        methods.push_back(request.method);
        return inner_.send(request);
    }
    int count(const std::string& method) const {
        return static_cast<int>(std::count(methods.begin(), methods.end(), method));
    }
    std::vector<std::string> methods;

  private:
    HttpClient& inner_;
};

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Where a check needs no full year: one month.
constexpr const char* kMonthEnd = "2026-01-31";

CliRun caldavSync(const std::vector<std::string>& options, const std::string& password,
                  const char* to = kTo) {
    std::vector<std::string> arguments{kFrom, to, "--crew", "rot"};
    arguments.insert(arguments.end(), options.begin(), options.end());
    if (!password.empty())
        arguments.push_back("--password-stdin");
    std::istringstream in(password + "\n");
    std::ostringstream out, err;
    const int status = cli::runCalDavSyncCommand(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

HttpSettings anna() {
    return {"anna", "geheim-a", {}, {}, 10, 30, nullptr};
}

// The events of the calendar at `url` by UID, read as a calendar app reads them.
std::map<std::string, StoredEvent> eventsOnServer(const std::string& url) {
    CurlHttpClient http(anna());
    HttpRequest request{"REPORT",
                        url,
                        {{"Depth", "1"}, {"Content-Type", "application/xml"}},
                        "<c:calendar-query xmlns:d=\"DAV:\" "
                        "xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop><c:calendar-data/>"
                        "</d:prop><c:filter><c:comp-filter name=\"VCALENDAR\"/></c:filter>"
                        "</c:calendar-query>"};
    std::map<std::string, StoredEvent> events;
    const auto resources = parseMultistatus(http.send(request).body);
    for (const DavResource& resource : resources.value_or(std::vector<DavResource>{})) {
        StoredEvent event =
            storedEventOf(resource.property("{urn:ietf:params:xml:ns:caldav}calendar-data")->text);
        EXPECT_FALSE(events.count(event.uid)) << "twice on the server: " << event.uid;
        events[event.uid] = event;
    }
    return events;
}

std::vector<CrewEvent> exportedEvents(const ShiftMarkingList* markings = nullptr,
                                      const CalendarBarList* bars = nullptr) {
    CrewCalendarRequest request;
    request.crew = 0;
    request.from = kFromDay;
    request.to = kToDay;
    request.markings = markings;
    request.bars = bars;
    return crewCalendarEvents(request);
}

constexpr const char* kDentist = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Telefon//DE\r\n"
                                 "BEGIN:VEVENT\r\nUID:zahnarzt-17@example.org\r\n"
                                 "DTSTAMP:20260101T080000Z\r\nDTSTART:20260310T090000Z\r\n"
                                 "DTEND:20260310T100000Z\r\nSUMMARY:Zahnarzt\r\nEND:VEVENT\r\n"
                                 "END:VCALENDAR\r\n";

class RadicaleSync : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(server.start()) << "Radicale did not start";
        CurlHttpClient http(anna());
        const MadeCalendar made = makeCalendar(http, server.origin() + "/anna/", "Turnoplaner");
        ASSERT_FALSE(made.failure) << failureMessage(*made.failure);
        calendarUrl = made.url;
    }
    SyncResult syncCore(RecordingHttp& http, const std::vector<CrewEvent>& events,
                        const SyncProgress& progress = {}) {
        CalendarSync sync(http, {calendarUrl, 0, 1'796'000'000});
        return sync.run(events, kFromDay, kToDay, progress);
    }
    std::string putForeignEvent() {
        CurlHttpClient http(anna());
        const auto answer = http.send(
            {"PUT", calendarUrl + "zahnarzt.ics", {{"Content-Type", "text/calendar"}}, kDentist});
        EXPECT_EQ(answer.status, 201);
        return http.send({"GET", calendarUrl + "zahnarzt.ics", {}, {}}).body;
    }

    test::RadicaleServer server;
    std::string calendarUrl;
};

TEST_F(RadicaleSync, FirstSyncCreatesExactlyTheExportsEvents) {
    const CliRun run = caldavSync({"--url", calendarUrl, "--user", "anna"}, "geheim-a");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto events = exportedEvents();
    EXPECT_EQ(run.out, "angelegt " + std::to_string(events.size()) +
                           ", geändert 0, gelöscht 0, unverändert 0\n");
    const auto stored = eventsOnServer(calendarUrl);
    ASSERT_EQ(stored.size(), events.size());
    for (const CrewEvent& event : events) {
        SCOPED_TRACE(event.uid);
        ASSERT_TRUE(stored.count(event.uid));
        // The export's own text of the event, DTSTAMP aside.
        EXPECT_EQ(stored.at(event.uid).comparable,
                  comparableEvent(iCalendarText({event}, "Turnoplaner Rot", 0)));
    }
}

TEST_F(RadicaleSync, NothingChangedWritesNothingInOneRequest) {
    CurlHttpClient curl(anna());
    RecordingHttp http(curl);
    ASSERT_FALSE(syncCore(http, exportedEvents()).failure);
    http.methods.clear();
    const SyncResult again = syncCore(http, exportedEvents());
    ASSERT_FALSE(again.failure);
    EXPECT_EQ(again.counts.unchanged, static_cast<int>(exportedEvents().size()));
    EXPECT_EQ(http.methods, std::vector<std::string>{"REPORT"});
}

struct ChangeCase {
    const char* name;
    bool vacationMarking;
    bool removeBar;
    const char* line;
    std::vector<std::string> writes;
};

TEST_F(RadicaleSync, OneChangedDayWritesOnlyThatDay) {
    const DayNumber barDay = dayNumberOf(2026, 6, 1);
    const CalendarBarList bars({{barDay, barDay + 4, kDefaultBarColour}});
    const CrewEvent firstShift = exportedEvents().front();
    const ShiftMarkingList vacation({{firstShift.firstDay, 2, Vacation}});
    const ChangeCase cases[] = {
        {"a U marking on a shift", true, false, "geändert 1, gelöscht 0", {"REPORT", "PUT"}},
        {"a bar removed", false, true, "geändert 0, gelöscht 1", {"REPORT", "DELETE"}},
    };
    for (const ChangeCase& change : cases) {
        SCOPED_TRACE(change.name);
        CurlHttpClient curl(anna());
        RecordingHttp http(curl);
        ASSERT_FALSE(syncCore(http, exportedEvents(nullptr, &bars)).failure);
        http.methods.clear();
        const SyncResult result =
            syncCore(http, exportedEvents(change.vacationMarking ? &vacation : nullptr,
                                          change.removeBar ? nullptr : &bars));
        ASSERT_FALSE(result.failure);
        EXPECT_NE(countsLine(result.counts).find(change.line), std::string::npos)
            << countsLine(result.counts);
        EXPECT_EQ(http.methods, change.writes);
        ASSERT_FALSE(syncCore(http, exportedEvents(nullptr, &bars)).failure); // back as before
    }
}

TEST_F(RadicaleSync, MarkingsAndBarsComeFromTheDataFolder) {
    const test::TemporaryFolder data;
    const CrewEvent firstShift = exportedEvents().front();
    ShiftMarkingList markings({{firstShift.firstDay, 2, Vacation}});
    markings.changed = true;
    ASSERT_TRUE(saveShiftMarkings(test::TestStore{}, data.path(), markings).ok);
    const std::vector<std::string> options{"--url", calendarUrl, "--user",
                                           "anna",  "--data",    data.path().string()};
    ASSERT_EQ(caldavSync(options, "geheim-a").status, 0);
    EXPECT_EQ(eventsOnServer(calendarUrl).at(firstShift.uid).comparable.find("SUMMARY:Urlaub"),
              eventsOnServer(calendarUrl).at(firstShift.uid).comparable.find("SUMMARY:"));
    EXPECT_NE(caldavSync(options, "geheim-a").out.find("angelegt 0, geändert 0, gelöscht 0"),
              std::string::npos);
}

TEST_F(RadicaleSync, SomeoneElsesEventSurvivesEverySync) {
    const std::string before = putForeignEvent();
    const DayNumber barDay = dayNumberOf(2026, 3, 10);
    const CalendarBarList bars({{barDay, barDay, kDefaultBarColour}});
    CurlHttpClient curl(anna());
    RecordingHttp http(curl);
    for (const CalendarBarList* barsNow : {&bars, static_cast<const CalendarBarList*>(nullptr)})
        ASSERT_FALSE(syncCore(http, exportedEvents(nullptr, barsNow)).failure);
    CurlHttpClient reader(anna());
    EXPECT_EQ(reader.send({"GET", calendarUrl + "zahnarzt.ics", {}, {}}).body, before);
}

TEST_F(RadicaleSync, TwoInstallationsMakeNoDuplicates) {
    CurlHttpClient curlA(anna()), curlB(anna());
    RecordingHttp first(curlA), second(curlB);
    // At the same time, then in turn.
    SyncResult resultA, resultB;
    std::thread other([&] { resultB = syncCore(second, exportedEvents()); });
    resultA = syncCore(first, exportedEvents());
    other.join();
    ASSERT_FALSE(resultA.failure) << failureMessage(*resultA.failure);
    ASSERT_FALSE(resultB.failure) << failureMessage(*resultB.failure);
    EXPECT_EQ(resultA.counts.created + resultB.counts.created,
              static_cast<int>(exportedEvents().size()));
    for (RecordingHttp* installation : {&first, &second, &first}) {
        installation->methods.clear();
        ASSERT_FALSE(syncCore(*installation, exportedEvents()).failure);
        EXPECT_EQ(installation->methods, std::vector<std::string>{"REPORT"});
    }
    EXPECT_EQ(eventsOnServer(calendarUrl).size(), exportedEvents().size());
}

TEST_F(RadicaleSync, ASyncBrokenOffIsFinishedByTheNext) {
    CurlHttpClient curl(anna());
    RecordingHttp http(curl);
    const SyncResult broken = syncCore(http, exportedEvents(), [&](int done, int) {
        if (done == 40)
            server.stop();
        return true;
    });
    ASSERT_TRUE(broken.failure);
    EXPECT_EQ(failureMessage(*broken.failure),
              "Der Server " + server.origin().substr(7) + " ist nicht erreichbar.");
    ASSERT_TRUE(server.start());
    const SyncResult next = syncCore(http, exportedEvents());
    ASSERT_FALSE(next.failure);
    EXPECT_EQ(next.counts.unchanged, broken.counts.created);
    EXPECT_EQ(eventsOnServer(calendarUrl).size(), exportedEvents().size());
}

TEST_F(RadicaleSync, CalendarsAreFoundFromTheServerAddress) {
    CurlHttpClient curl(anna());
    const Discovery found = discoverCalendars(curl, server.origin());
    ASSERT_FALSE(found.failure) << failureMessage(*found.failure);
    ASSERT_EQ(found.calendars.size(), 1u);
    EXPECT_EQ(found.calendars[0].url, calendarUrl);
    EXPECT_EQ(found.calendars[0].displayName, "Turnoplaner");

    std::istringstream in("geheim-a\n");
    std::ostringstream out, err;
    EXPECT_EQ(cli::runCalDavCalendarsCommand(
                  {"--url", server.origin(), "--user", "anna", "--password-stdin"}, in, out, err),
              0)
        << err.str();
    EXPECT_EQ(out.str(), calendarUrl + "\tTurnoplaner\n");
}

TEST_F(RadicaleSync, PasswordComesFromNetrcWithoutStdin) {
    const test::TemporaryFolder home;
    home.put(".netrc", "machine 127.0.0.1 login anna password geheim-a\n");
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    setenv("HOME", home.path().c_str(), 1);
    const CliRun run = caldavSync({"--url", calendarUrl, "--user", "anna"}, "", kMonthEnd);
    setenv("HOME", savedHome.c_str(), 1);
    EXPECT_EQ(run.status, 0) << run.err;
}

struct FaultCase {
    const char* name;
    std::string url; // "" for the test calendar
    std::string password;
    std::string message;
};

TEST_F(RadicaleSync, FaultsAreToldInGermanAndDeleteNothing) {
    putForeignEvent();
    ASSERT_EQ(caldavSync({"--url", calendarUrl, "--user", "anna"}, "geheim-a", kMonthEnd).status,
              0);
    const std::size_t storedBefore = eventsOnServer(calendarUrl).size();
    const test::TemporaryFolder logs;
    const test::FakeDavServer failing("500", logs.path() / "500.log");
    const test::FakeDavServer garbage("garbage", logs.path() / "garbage.log");
    ASSERT_TRUE(failing.started() && garbage.started());
    const std::string closedPort = "127.0.0.1:" + std::to_string(test::freeLoopbackPort());
    const std::string server500 = failing.origin().substr(7);
    const std::string serverGarbage = garbage.origin().substr(7);
    const FaultCase cases[] = {
        {"wrong password", "", "falsch",
         "Der Server " + server.origin().substr(7) + " hat Benutzername oder Passwort abgelehnt."},
        {"unknown host", "https://kalender.invalid/anna/turnoplaner/", "geheim-a",
         "Der Server kalender.invalid ist unbekannt: sein Name wurde nicht gefunden."},
        {"nothing listens", "http://" + closedPort + "/k/", "geheim-a",
         "Der Server " + closedPort + " ist nicht erreichbar."},
        {"500", failing.origin() + "/k/", "geheim-a",
         "Der Server " + server500 + " meldet einen Fehler (HTTP 500)."},
        {"garbage XML", garbage.origin() + "/k/", "geheim-a",
         "Der Server " + serverGarbage + " hat eine unverständliche Antwort geschickt."},
        {"plain http elsewhere", "http://kalender.example.org/k/", "geheim-a",
         "Unverschlüsselt (http://) wird nur mit diesem Rechner abgeglichen; für "
         "kalender.example.org bitte https:// angeben."},
    };
    for (const FaultCase& fault : cases) {
        SCOPED_TRACE(fault.name);
        const CliRun run =
            caldavSync({"--url", fault.url.empty() ? calendarUrl : fault.url, "--user", "anna"},
                       fault.password, kMonthEnd);
        EXPECT_EQ(run.status, cli::kServerError);
        EXPECT_EQ(run.err, "caldav-sync: " + fault.message + "\n");
        EXPECT_TRUE(run.out.empty());
    }
    EXPECT_EQ(eventsOnServer(calendarUrl).size(), storedBefore);
    for (const char* log : {"500.log", "garbage.log"}) {
        std::ifstream methods(logs.path() / log);
        const std::string sent((std::istreambuf_iterator<char>(methods)), {});
        EXPECT_EQ(sent, "REPORT\n") << log;
    }
}

TEST(FakeDavServer, OneConnectionCarriesTheWholeSync) {
    const test::TemporaryFolder logs;
    const test::FakeDavServer fake("empty", logs.path() / "methods.log");
    ASSERT_TRUE(fake.started());
    CurlHttpClient curl({"anna", "geheim-a", {}, {}, 10, 30, nullptr});
    CalendarSync sync(curl, {fake.origin() + "/k/", 0, 0});
    const SyncResult result = sync.run(exportedEvents(), kFromDay, kToDay);
    ASSERT_FALSE(result.failure) << failureMessage(*result.failure);
    EXPECT_EQ(curl.requestCount(), 1 + static_cast<int>(exportedEvents().size()));
    EXPECT_EQ(curl.connectionCount(), 1);
}

TEST(FakeDavServer, ARedirectToAnotherHostIsNotFollowed) {
    const test::TemporaryFolder logs;
    const test::FakeDavServer fake("redirect", logs.path() / "methods.log");
    ASSERT_TRUE(fake.started());
    CurlHttpClient curl({"anna", "geheim-a", {}, {}, 10, 30, nullptr});
    CalendarSync sync(curl, {fake.origin() + "/k/", 0, 0});
    const SyncResult result = sync.run(exportedEvents(), kFromDay, kToDay);
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(failureMessage(*result.failure),
              "Der Server " + fake.origin().substr(7) + " leitet zu http://localhost:" +
                  fake.origin().substr(17) + " weiter; dorthin wird das Passwort nicht gesendet.");
    EXPECT_EQ(curl.requestCount(), 1);
}

TEST(RadicaleHttps, SelfSignedCertificateIsRefusedUnlessGiven) {
    const test::TemporaryFolder keys;
    const std::string certificate = (keys.path() / "cert.pem").string();
    const std::string key = (keys.path() / "key.pem").string();
    const std::string command =
        "openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj /CN=127.0.0.1 "
        "-addext subjectAltName=IP:127.0.0.1 -keyout " +
        key + " -out " + certificate + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    test::RadicaleServer server(certificate, key);
    ASSERT_TRUE(server.start());
    CurlHttpClient http({"anna", "geheim-a", {}, certificate, 10, 30, nullptr});
    const MadeCalendar made = makeCalendar(http, server.origin() + "/anna/", "Turnoplaner");
    ASSERT_FALSE(made.failure) << failureMessage(*made.failure);

    const CliRun refused = caldavSync({"--url", made.url, "--user", "anna"}, "geheim-a", kMonthEnd);
    EXPECT_EQ(refused.status, cli::kServerError);
    EXPECT_EQ(refused.err, "caldav-sync: Das Zertifikat von " + server.origin().substr(8) +
                               " ist nicht vertrauenswürdig.\n");
    const CliRun accepted = caldavSync(
        {"--url", made.url, "--user", "anna", "--ca-file", certificate}, "geheim-a", kMonthEnd);
    EXPECT_EQ(accepted.status, 0) << accepted.err;
}

} // namespace
} // namespace tp
