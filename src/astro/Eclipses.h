#pragma once

#include "astro/AstronomySettings.h"
#include "model/WorkingDate.h"

#include <string>

namespace tp {

class LunationCache;

enum class EclipseKind { SolarTotal, SolarAnnular, SolarPartial, LunarTotal, LunarPartial };

// JDE of greatest eclipse of lunation trunc(kEstimate) + q (q = 0 solar, 0.5 lunar) of the
// given type (0 partial, 1 total, 2 annular), or 0 when that lunation has no such eclipse.
double eclipseJde(double kEstimate, double q, int type);

// JDE of the eclipse of `kind` of whole lunation number `lunation` (0 for none), as the
// searches see it. `cache` may be null.
double eclipseInstant(EclipseKind kind, double lunation, LunationCache* cache);

// The eclipse of `kind` found by the lunation loop of the phase search, or 0.
double eclipseSearch(EclipseKind kind, const WorkingDate& date, LunationCache* cache);

// "Sonnenfinsternis total: 13:04" when a solar eclipse has its maximum on the working date.
std::string solarEclipseText(const WorkingDate& date, const AstronomySettings& settings,
                             LunationCache* cache);
// "Mondfinsternis total: 4:47" likewise for a lunar eclipse.
std::string lunarEclipseText(const WorkingDate& date, const AstronomySettings& settings,
                             LunationCache* cache);

} // namespace tp
