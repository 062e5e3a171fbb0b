#pragma once

#include "model/ShiftSystem.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// What the user types into the settings, read as the program keeps it, and the crew orders he
// chooses the cycle from.

namespace tp {

inline constexpr int kMaxPlaceNameLength = 50; // characters

// Latitude (limit 90) or longitude (limit 180) as typed: degrees, then minutes after a point,
// comma, blank or apostrophe ("48,47" is 48 degrees 47 minutes). Decimals of .60 and more are
// taken as decimal degrees (12.7 becomes 12.42); a value beyond the limit wraps around
// (120 becomes 30). Cut to two decimals; no number gives 0.
double parseDegreesMinutes(std::string_view text, double limit);

// A time zone as typed, in decimal hours (a minus sign kept); no number gives 0.
double parseTimeZone(std::string_view text);

// The hours of a time zone within what its direction allows: 14 east, 12 west.
double limitedTimeZoneHours(double hours, bool west);

// Target hours: 0 to 100000, in plain decimal digits with a decimal comma or point and blanks
// around them allowed, as the command line takes them; nothing for anything else ("1e38",
// "abc", "-500").
inline constexpr double kLargestTargetHours = 100000.0;
std::optional<float> parseTargetHours(std::string_view text);

// The five crew orders the dialog offers for `calendarYear`: entry k is the order of the
// crews in the block periods of a year with year mod 5 = 0 after k rotations, such as
// "Rot, Blau, Gelb, Grün, Braun".
std::array<std::string, kCrewCount> crewOrderTexts(int calendarYear);

} // namespace tp
