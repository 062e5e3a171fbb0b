#include "caldav/CalendarSync.h"
#include "caldav/CalDavFailure.h"
#include "caldav/DavExchange.h"

#include "accounts/ICalendarText.h"

#include <gtest/gtest.h>

#include <deque>

namespace tp::caldav {
namespace {

// Answers requests from a script and keeps what was asked.
class ScriptedHttp : public HttpClient {
  public:
    HttpResponse send(const HttpRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) {
            HttpResponse none;
            none.failure = TransportFailure::NotReachable;
            return none;
        }
        HttpResponse answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<HttpResponse> answers;
    std::vector<HttpRequest> requests;
};

HttpResponse answer(int status, std::string body = {}, std::string etag = {},
                    std::string location = {}) {
    return {TransportFailure::None, status, std::move(body), std::move(etag), std::move(location)};
}

const std::string kCalendar = "https://cloud.example.org/dav/cal/";
const DayNumber kDay = dayNumberOf(2026, 3, 2);

CrewEvent shift(DayNumber day, const char* summary = "Frühschicht") {
    return {"20260302-dienst-rot@turnoplaner", summary, day, day, false, 360, 840};
}

std::string resource(const CrewEvent& event, std::int64_t stamp = 0) {
    return eventResourceText(event, stamp, 0);
}

// A calendar-query answer holding `texts` under the given hrefs.
std::string multistatusOf(const std::vector<std::pair<std::string, std::string>>& texts) {
    std::string xml = "<d:multistatus xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">";
    for (const auto& [href, text] : texts)
        xml += "<d:response><d:href>" + href +
               "</d:href><d:propstat><d:prop><d:getetag>\"e1\"</d:getetag><c:calendar-data>" +
               text + "</c:calendar-data></d:prop><d:status>HTTP/1.1 200 OK</d:status>" +
               "</d:propstat></d:response>";
    return xml + "</d:multistatus>";
}

ServerCopy copyOf(const std::string& uid, DayNumber day, const std::string& text = "x") {
    return {kCalendar + uid + ".ics", "\"e\"", {uid, day, text}};
}

TEST(SyncPlan, OnlyOwnEventsInTheRangeAreDeleted) {
    const std::vector<ServerCopy> server{
        copyOf("zahnarzt@example.org", kDay),                // someone else's
        copyOf("20260301-dienst-rot@turnoplaner", kDay - 1), // own, before the range
        copyOf("20260303-dienst-rot@turnoplaner", kDay + 1), // own, in the range, not planned
    };
    const SyncPlan plan = planSync({}, server, kDay, kDay + 5, kCalendar);
    ASSERT_EQ(plan.actions.size(), 1u);
    EXPECT_EQ(plan.actions[0].kind, SyncAction::Kind::Delete);
    EXPECT_EQ(plan.actions[0].url, kCalendar + "20260303-dienst-rot@turnoplaner.ics");
    EXPECT_EQ(plan.actions[0].etag, "\"e\"");
}

TEST(SyncPlan, ContentDecidesWhetherAnEventIsUploaded) {
    const std::string planned = resource(shift(kDay), 1'700'000'000);
    const WantedEvent wanted{shift(kDay).uid, kDay, planned};
    struct Case {
        const char* name;
        std::string onServer;
        std::size_t actions;
    };
    const Case cases[] = {
        {"same but DTSTAMP", comparableEvent(resource(shift(kDay), 0)), 0},
        {"other summary", comparableEvent(resource(shift(kDay, "Spätschicht"))), 1},
    };
    for (const Case& wantedCase : cases) {
        SCOPED_TRACE(wantedCase.name);
        const SyncPlan plan = planSync({wanted}, {copyOf(wanted.uid, kDay, wantedCase.onServer)},
                                       kDay, kDay, kCalendar);
        EXPECT_EQ(plan.actions.size(), wantedCase.actions);
        EXPECT_EQ(plan.unchanged, 1 - static_cast<int>(wantedCase.actions));
    }
    const SyncPlan missing = planSync({wanted}, {}, kDay, kDay, kCalendar);
    ASSERT_EQ(missing.actions.size(), 1u);
    EXPECT_EQ(missing.actions[0].url, kCalendar + "20260302-dienst-rot%40turnoplaner.ics");
}

TEST(ComparableEvent, ServersReorderingAndRefoldingChangeNothing) {
    const std::string ours = resource(shift(kDay));
    std::string reordered = ours;
    const auto summary = reordered.find("SUMMARY:");
    const std::string summaryLine =
        reordered.substr(summary, reordered.find("\r\n", summary) + 2 - summary);
    reordered.erase(summary, summaryLine.size());
    reordered.insert(reordered.find("UID:"), "SUMMARY:Früh\r\n schicht\r\n");
    EXPECT_EQ(comparableEvent(reordered), comparableEvent(ours));
}

TEST(CalendarSync, APreconditionFailureReadsAgainAndRetriesOnce) {
    const CrewEvent event = shift(kDay);
    struct Case {
        const char* name;
        std::string current; // what GET finds after the 412
        std::vector<std::string> methods;
        SyncCounts counts;
    };
    const Case cases[] = {
        {"another installation wrote the same",
         resource(event, 5),
         {"REPORT", "PUT", "GET"},
         {0, 0, 0, 1}},
        {"someone changed it",
         resource(shift(kDay, "Spätschicht")),
         {"REPORT", "PUT", "GET", "PUT"},
         {0, 1, 0, 0}},
    };
    for (const Case& wanted : cases) {
        SCOPED_TRACE(wanted.name);
        ScriptedHttp http;
        http.answers = {answer(207, multistatusOf({})), answer(412),
                        answer(200, wanted.current, "\"e9\""), answer(204)};
        CalendarSync sync(http, {kCalendar, 0, 1'700'000'000});
        const SyncResult result = sync.run({event}, kDay, kDay);
        ASSERT_FALSE(result.failure);
        EXPECT_EQ(result.counts, wanted.counts) << countsLine(result.counts);
        std::vector<std::string> methods;
        for (const HttpRequest& request : http.requests)
            methods.push_back(request.method);
        EXPECT_EQ(methods, wanted.methods);
        if (methods.size() == 4) {
            EXPECT_EQ(http.requests[3].headers.back(),
                      (std::pair<std::string, std::string>{"If-Match", "\"e9\""}));
        }
    }
}

TEST(CalendarSync, ProgressCountsWritesAndCanStop) {
    ScriptedHttp http;
    http.answers = {answer(207, multistatusOf({})), answer(201)};
    CalendarSync sync(http, {kCalendar, 0, 0});
    std::vector<int> told;
    const SyncResult result =
        sync.run({shift(kDay), shift(kDay + 1)}, kDay, kDay + 1, [&](int done, int total) {
            told.push_back(done * 10 + total);
            return done < 1;
        });
    EXPECT_EQ(told, (std::vector<int>{2, 12}));
    ASSERT_TRUE(result.failure);
    EXPECT_EQ(failureMessage(*result.failure),
              "Der Abgleich mit dem Server cloud.example.org wurde abgebrochen.");
    EXPECT_EQ(result.counts.created, 1);
}

struct StatusCase {
    int status;
    const char* message;
};

TEST(CalendarSync, EveryFaultOfTheServerIsToldInGerman) {
    const StatusCase cases[] = {
        {401, "Der Server cloud.example.org hat Benutzername oder Passwort abgelehnt."},
        {403, "Der Server cloud.example.org erlaubt diesen Zugriff nicht (keine Berechtigung)."},
        {404, "Die Adresse auf dem Server cloud.example.org ist kein CalDAV-Kalender."},
        {507, "Der Speicher auf dem Server cloud.example.org ist voll."},
        {503, "Der Server cloud.example.org meldet einen Fehler (HTTP 503)."},
    };
    for (const StatusCase& wanted : cases) {
        ScriptedHttp http;
        http.answers = {answer(wanted.status)};
        CalendarSync sync(http, {kCalendar, 0, 0});
        const SyncResult result = sync.run({shift(kDay)}, kDay, kDay);
        ASSERT_TRUE(result.failure) << wanted.status;
        EXPECT_EQ(failureMessage(*result.failure), wanted.message);
        EXPECT_EQ(http.requests.size(), 1u);
    }
}

TEST(CalDavFailure, TransportFaultsNameTheServer) {
    const std::pair<TransportFailure, const char*> cases[] = {
        {TransportFailure::HostUnknown,
         "Der Server cloud.example.org ist unbekannt: sein Name wurde nicht gefunden."},
        {TransportFailure::NotReachable, "Der Server cloud.example.org ist nicht erreichbar."},
        {TransportFailure::CertificateUntrusted,
         "Das Zertifikat von cloud.example.org ist nicht vertrauenswürdig."},
        {TransportFailure::TimedOut,
         "Der Server cloud.example.org antwortet nicht (Zeitüberschreitung)."},
    };
    for (const auto& [transport, message] : cases) {
        HttpResponse response;
        response.failure = transport;
        EXPECT_EQ(failureMessage(*failureOfResponse(response, "cloud.example.org")), message);
    }
}

TEST(DavExchange, RedirectsAreFollowedOnlyOnTheSameServer) {
    ScriptedHttp http;
    http.answers = {answer(301, {}, {}, "/remote.php/dav/"),
                    answer(207, "<multistatus xmlns=\"DAV:\"/>")};
    const Exchange same =
        exchange(http, propfindRequest("https://cloud.example.org/.well-known/caldav", 0, ""));
    EXPECT_FALSE(same.failure);
    EXPECT_EQ(same.url, "https://cloud.example.org/remote.php/dav/");

    http.answers = {answer(302, {}, {}, "https://evil.example.net/dav/")};
    const Exchange other = exchange(http, propfindRequest(kCalendar, 0, ""));
    ASSERT_TRUE(other.failure);
    EXPECT_EQ(failureMessage(*other.failure),
              "Der Server cloud.example.org leitet zu https://evil.example.net weiter; dorthin "
              "wird das Passwort nicht gesendet.");
    EXPECT_EQ(http.requests.size(), 3u);
}

} // namespace
} // namespace tp::caldav
