#include "astro/AstronomySettings.h"

#include "settings/ProgramSettings.h"

namespace tp {

AstronomySettings astronomySettingsOf(ProgramSettings& settings) {
    if (settings.twilight < 0 || settings.twilight > 2)
        settings.twilight = 0;
    AstronomySettings astronomy;
    astronomy.latitude = settings.latitude;
    astronomy.longitude = settings.longitude;
    astronomy.timeZone = settings.timeZone;
    astronomy.automaticSummerTime = settings.automaticSummerTime;
    astronomy.twilight = settings.twilight;
    return astronomy;
}

} // namespace tp
