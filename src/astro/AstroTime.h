#pragma once

#include "astro/AstronomySettings.h"
#include "model/DayNumber.h"
#include "model/WorkingDate.h"

#include <cmath>
#include <string>

namespace tp {

inline constexpr double kRadiansPerDegree = 0.0174532925199433;

// Julian Date at 0 h of day number 0 (1 January 1970) is this plus 0.5.
inline constexpr double kJulianDayOfEpochNoon = 2440587.0;
// Modified Julian Date of day number 0.
inline constexpr int kMjdOfEpoch = 40587;

inline double sinDeg(double degrees) {
    return std::sin(degrees * kRadiansPerDegree);
}
inline double cosDeg(double degrees) {
    return std::cos(degrees * kRadiansPerDegree);
}

// Fractional part, always in [0, 1).
inline double frac(double x) {
    double f = x - std::trunc(x);
    if (f < 0)
        f += 1;
    return f;
}

// Day number of the last Sunday of a month whose last day has day number `lastDayOfMonth`.
constexpr DayNumber lastSundayUpTo(DayNumber lastDayOfMonth) {
    return lastDayOfMonth - positiveMod(lastDayOfMonth + 4, 7);
}

DayNumber lastSundayOfMarch(int year);
DayNumber lastSundayOfOctober(int year);

// Whether local clocks show summer time on the day of this MJD (0 h): from the last Sunday
// of March up to the Saturday before the last Sunday of October.
bool isSummerTimeDay(int mjd);

// Local clock time "7:05" of an instant (JDE, used as UT) when it falls on `date` in local
// time, else the empty text. Seconds are dropped.
std::string formatEventTime(double jde, const WorkingDate& date, const AstronomySettings& settings);

// Joins a prefix and the clock time of an instant, or empty when the instant is not on `date`.
std::string eventText(const char* prefix, double jde, const WorkingDate& date,
                      const AstronomySettings& settings);

} // namespace tp
