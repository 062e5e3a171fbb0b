#include "caldav/CalendarSync.h"

#include "accounts/ICalendarText.h"
#include "caldav/DavExchange.h"
#include "caldav/DavUrl.h"
#include "caldav/Multistatus.h"

#include <map>

namespace tp::caldav {

namespace {

std::string utcMidnight(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    const auto twoDigits = [](int value) {
        return std::string(1, static_cast<char>('0' + value / 10)) +
               static_cast<char>('0' + value % 10);
    };
    return std::to_string(date.year) + twoDigits(date.month) + twoDigits(date.day) + "T000000Z";
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string withSlash(std::string url) {
    if (url.empty() || url.back() != '/')
        url += '/';
    return url;
}

bool isSuccess(int status) {
    return status >= 200 && status <= 299;
}

} // namespace

std::string countsLine(const SyncCounts& counts) {
    return "angelegt " + std::to_string(counts.created) + ", geändert " +
           std::to_string(counts.changed) + ", gelöscht " + std::to_string(counts.deleted) +
           ", unverändert " + std::to_string(counts.unchanged);
}

SyncPlan planSync(const std::vector<WantedEvent>& wanted, const std::vector<ServerCopy>& server,
                  DayNumber from, DayNumber to, const std::string& calendarUrl) {
    std::map<std::string, const ServerCopy*> ownByUid;
    for (const ServerCopy& copy : server)
        if (isOwnUid(copy.event.uid))
            ownByUid.emplace(copy.event.uid, &copy);
    SyncPlan plan;
    std::map<std::string, bool> wantedUids;
    for (const WantedEvent& event : wanted) {
        wantedUids[event.uid] = true;
        const auto found = ownByUid.find(event.uid);
        if (found == ownByUid.end()) {
            plan.actions.push_back(
                {SyncAction::Kind::Create,
                 withSlash(calendarUrl) + percentEncodedSegment(event.uid) + ".ics",
                 {},
                 event.text});
        } else if (found->second->event.comparable != comparableEvent(event.text)) {
            plan.actions.push_back(
                {SyncAction::Kind::Replace, found->second->url, found->second->etag, event.text});
        } else {
            ++plan.unchanged;
        }
    }
    for (const auto& [uid, copy] : ownByUid) {
        const auto day = copy->event.firstDay;
        if (!wantedUids.count(uid) && day && *day >= from && *day <= to)
            plan.actions.push_back({SyncAction::Kind::Delete, copy->url, copy->etag, {}});
    }
    return plan;
}

struct CalendarSync::Fetched {
    int status = 0;
    std::string etag;
    std::string comparable;
    std::optional<Failure> failure;
};

CalendarSync::CalendarSync(HttpClient& http, SyncSettings settings)
    : http_(http), settings_(std::move(settings)), server_(serverName(settings_.calendarUrl)) {
    settings_.calendarUrl = withSlash(settings_.calendarUrl);
}

SyncResult CalendarSync::run(const std::vector<CrewEvent>& events, DayNumber from, DayNumber to,
                             const SyncProgress& progress) {
    SyncResult result;
    if (!parseDavUrl(settings_.calendarUrl)) {
        result.failure =
            Failure{FailureKind::BadAddress, settings_.calendarUrl, 0, settings_.calendarUrl};
        return result;
    }
    std::vector<WantedEvent> wanted;
    wanted.reserve(events.size());
    for (const CrewEvent& event : events)
        wanted.push_back(
            {event.uid, event.firstDay,
             eventResourceText(event, settings_.stampSeconds, settings_.alarmMinutes)});
    const auto server = readRange(from, to, result.failure);
    if (!server)
        return result;
    const SyncPlan plan = planSync(wanted, *server, from, to, settings_.calendarUrl);
    result.counts.unchanged = plan.unchanged;
    const int total = static_cast<int>(plan.actions.size());
    int done = 0;
    for (const SyncAction& action : plan.actions) {
        if (progress && !progress(done, total)) {
            result.failure = Failure{FailureKind::Cancelled, server_};
            return result;
        }
        const std::string comparable = action.text.empty() ? "" : comparableEvent(action.text);
        if (auto failure = apply(action, comparable, result.counts)) {
            result.failure = std::move(failure);
            return result;
        }
        ++done;
    }
    if (progress)
        progress(done, total);
    return result;
}

std::optional<std::vector<ServerCopy>> CalendarSync::readRange(DayNumber from, DayNumber to,
                                                               std::optional<Failure>& failure) {
    // A day wider on both sides than the range in local time, so every event starting in it
    // comes back whatever the offset from UTC.
    HttpRequest request;
    request.method = "REPORT";
    request.url = settings_.calendarUrl;
    request.headers = {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}};
    request.body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                   "<c:calendar-query xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                   "<d:prop><d:getetag/><c:calendar-data/></d:prop>"
                   "<c:filter><c:comp-filter name=\"VCALENDAR\"><c:comp-filter name=\"VEVENT\">"
                   "<c:time-range start=\"" +
                   utcMidnight(from - 1) + "\" end=\"" + utcMidnight(to + 2) +
                   "\"/></c:comp-filter></c:comp-filter></c:filter></c:calendar-query>";
    Exchange answer = exchange(http_, request);
    if (answer.failure) {
        failure = std::move(answer.failure);
        return std::nullopt;
    }
    if (answer.response.status != 207) {
        failure = Failure{FailureKind::NotACalendar, server_, answer.response.status};
        return std::nullopt;
    }
    const auto resources = parseMultistatus(answer.response.body);
    if (!resources) {
        failure = Failure{FailureKind::BadAnswer, server_};
        return std::nullopt;
    }
    const DavUrl base = *parseDavUrl(answer.url);
    std::vector<ServerCopy> copies;
    for (const DavResource& resource : *resources) {
        const DavProperty* data = resource.property("{urn:ietf:params:xml:ns:caldav}calendar-data");
        if (!data)
            continue;
        ServerCopy copy;
        copy.url = resolveHref(base, resource.href);
        if (const DavProperty* etag = resource.property("{DAV:}getetag"))
            copy.etag = trimmed(etag->text);
        copy.event = storedEventOf(data->text);
        copies.push_back(std::move(copy));
    }
    return copies;
}

CalendarSync::Fetched CalendarSync::fetch(const std::string& url) {
    Fetched fetched;
    Exchange answer = exchange(http_, {"GET", url, {}, {}});
    if (answer.failure) {
        fetched.failure = std::move(answer.failure);
        return fetched;
    }
    fetched.status = answer.response.status;
    if (fetched.status == 200) {
        fetched.etag = answer.response.etag;
        fetched.comparable = comparableEvent(answer.response.body);
    } else if (fetched.status != 404) {
        fetched.failure = Failure{FailureKind::ServerError, server_, fetched.status};
    }
    return fetched;
}

std::optional<Failure> CalendarSync::apply(const SyncAction& action,
                                           const std::string& wantedComparable,
                                           SyncCounts& counts) {
    const bool deleting = action.kind == SyncAction::Kind::Delete;
    std::string etag = action.etag;
    // 412: changed on the server meanwhile. Read it again and try once more; the program's
    // version of its own events wins.
    for (int attempt = 0; attempt < 2; ++attempt) {
        HttpRequest request;
        request.url = action.url;
        if (deleting) {
            request.method = "DELETE";
            if (!etag.empty())
                request.headers.emplace_back("If-Match", etag);
        } else {
            request.method = "PUT";
            request.headers.emplace_back("Content-Type", "text/calendar; charset=utf-8");
            if (etag.empty())
                request.headers.emplace_back("If-None-Match", "*");
            else
                request.headers.emplace_back("If-Match", etag);
            request.body = action.text;
        }
        Exchange answer = exchange(http_, request);
        if (answer.failure)
            return answer.failure;
        const int status = answer.response.status;
        if (isSuccess(status) || (deleting && status == 404)) {
            if (deleting)
                ++counts.deleted;
            else if (etag.empty())
                ++counts.created;
            else
                ++counts.changed;
            return std::nullopt;
        }
        if (status != 412)
            return Failure{FailureKind::ServerError, server_, status};
        if (attempt == 1)
            break;
        Fetched current = fetch(action.url);
        if (current.failure)
            return current.failure;
        if (current.status == 404) {
            if (deleting) { // someone else deleted it already
                ++counts.deleted;
                return std::nullopt;
            }
            etag.clear();
        } else if (!deleting && current.comparable == wantedComparable) {
            ++counts.unchanged; // another installation wrote the same
            return std::nullopt;
        } else {
            etag = current.etag;
        }
    }
    return Failure{FailureKind::KeptChanging, server_, 412};
}

} // namespace tp::caldav
