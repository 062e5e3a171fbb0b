#pragma once

#include "accounts/CrewEvents.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// An iCalendar (RFC 5545) calendar of `events`: local times in Europe/Berlin with a time zone
// description that holds for 1970..2037, CR LF lines folded at 75 octets. `stampSeconds`
// (seconds since 1970 UTC, the time of the export) is every event's DTSTAMP.
std::string iCalendarText(const std::vector<CrewEvent>& events, std::string_view calendarName,
                          std::int64_t stampSeconds);

// The file `turnoplaner-cli ics` and the export window write: the crew's calendar of `request`,
// named after the crew.
std::string crewCalendarText(const CrewCalendarRequest& request, std::int64_t stampSeconds);

// One event as a calendar server stores it: a calendar of its own with the time zone it uses and
// no METHOD; with `alarmMinutes` above 0 a timed event reminds that many minutes before.
std::string eventResourceText(const CrewEvent& event, std::int64_t stampSeconds, int alarmMinutes);

// `line` (UTF-8, without its line end) folded into lines of at most 75 octets, each ended by
// CR LF; a character is never split.
void appendFoldedLine(std::string& out, std::string_view line);

// TEXT value: backslash, semicolon, comma and line breaks escaped.
std::string escapedText(std::string_view text);

} // namespace tp
