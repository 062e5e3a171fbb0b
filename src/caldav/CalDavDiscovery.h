#pragma once

#include "caldav/CalDavFailure.h"
#include "caldav/HttpClient.h"

#include <optional>
#include <string>
#include <vector>

namespace tp::caldav {

struct CalendarEntry {
    std::string url; // absolute, ends with '/'
    std::string displayName;
};

struct Discovery {
    std::vector<CalendarEntry> calendars; // those that hold events
    std::string homeSetUrl;               // where a new calendar is made; empty when unknown
    std::optional<Failure> failure;
};

// The calendars a user reaches from what they know: a server address (then /.well-known/caldav,
// the principal and its calendar home) or a full calendar URL (then that one calendar).
Discovery discoverCalendars(HttpClient& http, const std::string& address);

struct MadeCalendar {
    std::string url;
    std::optional<Failure> failure;
};

// A new calendar for events named `displayName` in the calendar home, under a free name
// derived from it.
MadeCalendar makeCalendar(HttpClient& http, const std::string& homeSetUrl,
                          const std::string& displayName);

} // namespace tp::caldav
