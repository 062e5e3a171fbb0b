#include "astro/AstroTime.h"

#include <cstdio>

namespace tp {

DayNumber lastSundayOfMarch(int year) {
    return lastSundayUpTo(dayNumberOf(year, 3, 31));
}

DayNumber lastSundayOfOctober(int year) {
    return lastSundayUpTo(dayNumberOf(year, 10, 31));
}

bool isSummerTimeDay(int mjd) {
    const DayNumber day = mjd - kMjdOfEpoch;
    const int year = civilFromDayNumber(day).year;
    return day >= lastSundayOfMarch(year) && day < lastSundayOfOctober(year);
}

std::string formatEventTime(double jde, const WorkingDate& date,
                            const AstronomySettings& settings) {
    // A day count whose whole part minus the epoch is the local day number.
    constexpr double kEpoch = kJulianDayOfEpochNoon + 1;
    double local = jde + settings.timeZone / 24 + 0.5;
    if (settings.automaticSummerTime) {
        const double changeHour = 2.0 / 24;
        const double summerStart = lastSundayOfMarch(date.year) + kEpoch + changeHour;
        const double summerEnd = lastSundayOfOctober(date.year) + kEpoch + changeHour;
        if (local > summerStart && local < summerEnd)
            local += 1.0 / 24;
    }
    if (std::trunc(local) - kEpoch != date.dayNumber)
        return {};
    const int seconds = static_cast<int>(frac(local) * 86400);
    const int hours = seconds / 3600;
    const int minutes = (seconds - 3600 * hours) / 60;
    char text[48];
    std::snprintf(text, sizeof text, "%d:%02d", hours, minutes);
    return text;
}

std::string eventText(const char* prefix, double jde, const WorkingDate& date,
                      const AstronomySettings& settings) {
    const std::string time = formatEventTime(jde, date, settings);
    if (time.empty())
        return {};
    return prefix + time;
}

} // namespace tp
