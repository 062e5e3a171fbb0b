#include "accounts/AccountEntryText.h"

#include "accounts/AccountFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tp {

namespace {

// The number at the start of `text` with `separator` read as the decimal point; 0 when the
// text starts with no number.
double leadingNumber(std::string_view text, char separator) {
    std::string copy(text);
    std::replace(copy.begin(), copy.end(), separator, '.');
    const double value = std::strtod(copy.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

std::string twoDecimals(double value, char separator) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '.', separator);
    return shown;
}

char separatorOf(bool minutesMode) {
    return minutesMode ? ':' : ',';
}

} // namespace

std::string hoursFieldText(float hours, bool minutesMode) {
    if (hours == 0.0f)
        return {};
    return twoDecimals(hours, separatorOf(minutesMode));
}

std::string convertedHoursText(std::string_view text, bool toMinutesMode) {
    const double value = leadingNumber(text, separatorOf(!toMinutesMode));
    const double whole = std::trunc(value);
    const double fraction = value - whole;
    const double converted =
        toMinutesMode ? whole + fraction / 100.0 * 60.0 : whole + fraction / 60.0 * 100.0;
    return twoDecimals(converted, separatorOf(toMinutesMode));
}

float hoursFromFieldText(std::string_view text, bool minutesMode) {
    const double value = leadingNumber(text, separatorOf(minutesMode));
    return static_cast<float>(std::clamp(value, -double(kHoursLimit), double(kHoursLimit)));
}

std::optional<std::string> limitedVacationDaysText(std::string_view text) {
    const long value = std::strtol(std::string(text).c_str(), nullptr, 10);
    if (value > kVacationDaysLimit)
        return std::to_string(kVacationDaysLimit);
    if (value < -kVacationDaysLimit)
        return std::to_string(-kVacationDaysLimit);
    return std::nullopt;
}

int vacationDaysFromFieldText(std::string_view text) {
    const long value = std::strtol(std::string(text).c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, -kVacationDaysLimit, kVacationDaysLimit));
}

} // namespace tp
