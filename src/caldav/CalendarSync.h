#pragma once

#include "accounts/CrewEvents.h"
#include "caldav/CalDavFailure.h"
#include "caldav/EventText.h"
#include "caldav/HttpClient.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tp::caldav {

struct SyncSettings {
    std::string calendarUrl;
    int alarmMinutes = 0;          // a reminder this long before each shift; 0 none
    std::int64_t stampSeconds = 0; // DTSTAMP of what is uploaded
};

struct SyncCounts {
    int created = 0;
    int changed = 0;
    int deleted = 0;
    int unchanged = 0;
    friend bool operator==(const SyncCounts&, const SyncCounts&) = default;
};

// "angelegt 3, geändert 0, gelöscht 1, unverändert 280"
std::string countsLine(const SyncCounts& counts);

// Told after the plan is made and after each write; answering false stops the sync.
using SyncProgress = std::function<bool(int done, int total)>;

struct SyncResult {
    SyncCounts counts; // what was done, also when a failure stopped the rest
    std::optional<Failure> failure;
};

// One event the plan wants on the server.
struct WantedEvent {
    std::string uid;
    DayNumber firstDay = 0;
    std::string text; // the resource as uploaded
};

// One calendar object the server holds in the range.
struct ServerCopy {
    std::string url;
    std::string etag;
    StoredEvent event;
};

struct SyncAction {
    enum class Kind { Create, Replace, Delete };
    Kind kind;
    std::string url;
    std::string etag; // what the resource must still be; empty to create
    std::string text; // the upload; empty to delete
};

struct SyncPlan {
    std::vector<SyncAction> actions;
    int unchanged = 0;
};

// What must be written so the calendar holds `wanted`: missing events created under
// "<calendar><UID>.ics", differing ones replaced where they are, and own events starting in
// from..to that are not wanted deleted. Events of others and own ones outside the range stay.
SyncPlan planSync(const std::vector<WantedEvent>& wanted, const std::vector<ServerCopy>& server,
                  DayNumber from, DayNumber to, const std::string& calendarUrl);

// Keeps the program's events from `from` to `to` in one CalDAV calendar as the plan has them.
class CalendarSync {
  public:
    CalendarSync(HttpClient& http, SyncSettings settings);

    SyncResult run(const std::vector<CrewEvent>& events, DayNumber from, DayNumber to,
                   const SyncProgress& progress = {});

  private:
    struct Fetched;
    std::optional<std::vector<ServerCopy>> readRange(DayNumber from, DayNumber to,
                                                     std::optional<Failure>& failure);
    std::optional<Failure> apply(const SyncAction& action, const std::string& wantedComparable,
                                 SyncCounts& counts);
    Fetched fetch(const std::string& url);

    HttpClient& http_;
    SyncSettings settings_;
    std::string server_;
};

} // namespace tp::caldav
