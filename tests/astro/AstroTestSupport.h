#pragma once

#include "astro/AstronomySettings.h"
#include "model/WorkingDate.h"

#include <string>

namespace tp::astro_test {

inline WorkingDate dateOf(int year, int month, int day) {
    return workingDateOf(dayNumberOf(year, month, day));
}

// Settings of a place with the given zone and summer-time switch (default place otherwise).
inline AstronomySettings settingsWith(double timeZone, bool summerTime) {
    AstronomySettings settings;
    settings.timeZone = timeZone;
    settings.automaticSummerTime = summerTime;
    return settings;
}

// JD of a UT instant.
inline double julianDayOf(int year, int month, int day, int hour, int minute, int second = 0) {
    return dayNumberOf(year, month, day) + 2440587.5 +
           (hour * 3600 + minute * 60 + second) / 86400.0;
}

// Minutes after midnight of a "H:MM" text, -1 when it is not one.
inline int minutesOfClockText(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || text.size() != colon + 3)
        return -1;
    return std::stoi(text.substr(0, colon)) * 60 + std::stoi(text.substr(colon + 1));
}

} // namespace tp::astro_test
