#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tp {

// The text fields of the windows "Stunden eingeben" and "Urlaub eingeben".

// The hours field: empty for 0, else two decimals after ":" (minutes mode) or ",".
std::string hoursFieldText(float hours, bool minutesMode);

// The field's text when the user switches between "Std:Min" and "Std,dez": 7:30 becomes
// 7,50 and back.
std::string convertedHoursText(std::string_view text, bool toMinutesMode);

// What "Speichern" stores: the number at the start of the text (0 when there is none),
// limited to -600..600.
float hoursFromFieldText(std::string_view text, bool minutesMode);

// The days field while the user types: "60" for 61 or more, "-60" below -60; nothing when the
// text may stay.
std::optional<std::string> limitedVacationDaysText(std::string_view text);

// What "Speichern" stores: the whole number at the start of the text, limited to -60..60.
int vacationDaysFromFieldText(std::string_view text);

} // namespace tp
