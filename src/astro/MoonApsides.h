#pragma once

#include "astro/AstronomySettings.h"
#include "model/WorkingDate.h"

#include <string>

namespace tp {

class LunationCache;

// k of the apogee (a half number) and of the perigee (whole) examined for the working date.
double apogeeNumber(const WorkingDate& date);
double perigeeNumber(const WorkingDate& date);

// JDE of the apogee (k + 0.5 form) or perigee (whole k) of the Moon, Meeus 1st edition.
double moonApsisJde(double k, bool apogee);

// moonApsisJde of `k`, kept in `cache` (which may be null) as the texts keep it.
double apsisInstant(double k, bool apogee, LunationCache* cache);

// "Mondferne: 9:12" / "Mondnähe: 22:05" when the Moon's apogee or perigee of the lunation
// examined falls on the working date. `cache` may be null.
std::string apogeeText(const WorkingDate& date, const AstronomySettings& settings,
                       LunationCache* cache);
std::string perigeeText(const WorkingDate& date, const AstronomySettings& settings,
                        LunationCache* cache);

} // namespace tp
