#pragma once

#include <cstdint>

namespace tp {

// The place and clock rules the astronomy reads.
struct AstronomySettings {
    double latitude = 48.47;   // degrees as stored, north positive
    double longitude = -12.52; // degrees as stored, west positive
    double timeZone = 1.0;     // hours east of Greenwich
    bool automaticSummerTime = true;
    int twilight = 0; // 0 civil, 1 nautical, 2 astronomical

    friend bool operator==(const AstronomySettings&, const AstronomySettings&) = default;
};

} // namespace tp
