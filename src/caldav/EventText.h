#pragma once

#include "model/DayNumber.h"

#include <optional>
#include <string>
#include <string_view>

namespace tp::caldav {

// What the sync needs to know of a calendar object a server holds.
struct StoredEvent {
    std::string uid;
    std::optional<DayNumber> firstDay; // the date of DTSTART
    std::string comparable;            // see comparableEvent
};

// The first VEVENT of `calendarData` (an iCalendar object as a server returns it).
StoredEvent storedEventOf(std::string_view calendarData);

// The first VEVENT without its DTSTAMP, in a form that stays the same when a server stores it
// with other line folding or another order of properties and sub-components: equal texts mean
// an upload would change nothing a calendar shows.
std::string comparableEvent(std::string_view calendarData);

// The program's own events: the only ones a sync may change or delete.
bool isOwnUid(std::string_view uid);

} // namespace tp::caldav
