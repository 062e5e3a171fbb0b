#pragma once

#include <cstdint>

namespace tp {

struct ProgramSettings;

// The place and clock rules the astronomy reads from the user's settings.
struct AstronomySettings {
    double latitude = 48.47;   // degrees as stored, north positive
    double longitude = -12.52; // degrees as stored, west positive
    double timeZone = 1.0;     // hours east of Greenwich
    bool automaticSummerTime = true;
    int twilight = 0; // 0 civil, 1 nautical, 2 astronomical
};

// Takes the astronomy fields of `settings`; a twilight kind outside 0..2 is reset to civil
// in the record itself, so the settings file stores the repaired value.
AstronomySettings astronomySettingsOf(ProgramSettings& settings);

} // namespace tp
