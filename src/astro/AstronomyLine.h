#pragma once

#include "astro/AstronomySettings.h"
#include "astro/MoonPhases.h"
#include "model/WorkingDate.h"

#include <string>

namespace tp {

class LunationCache;

// Comma and no-break space between the items of the astronomy line.
inline constexpr const char* kAstronomySeparator = ",\xC2\xA0";

// "Sommerzeit von 2:00 Uhr auf 3:00 Uhr" on the last Sunday of March, "Winterzeit von
// 3:00 Uhr auf 2:00b Uhr" on the last Sunday of October, else empty; independent of the
// daylight-saving switch.
std::string dstChangeText(const WorkingDate& date);

// The astronomy line of the status panel for the working date: twilight, Sun and Moon
// always, then the day's season, clock change, moon phase, eclipse, apogee, perigee,
// aphelion and perihelion where they occur. `flag` is left as the moon-phase searches set
// it. `cache` may be null.
std::string astronomyLine(const WorkingDate& date, const AstronomySettings& settings,
                          PhaseNearFlag& flag, LunationCache* cache);

} // namespace tp
