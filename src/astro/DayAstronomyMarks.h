#pragma once

#include "astro/AstronomySettings.h"
#include "model/WorkingDate.h"

namespace tp {

class LunationCache;

enum class MoonPhaseMark { None, NewMoon, FirstQuarter, FullMoon, LastQuarter };
enum class EclipseMark { None, Solar, Lunar };
enum class ApsisMark { None, Apogee, Perigee }; // drawn as "F" and "N"

// What the day row shows of the astronomy.
struct DayAstronomyMarks {
    MoonPhaseMark moonPhase = MoonPhaseMark::None;
    EclipseMark eclipse = EclipseMark::None;
    ApsisMark apsis = ApsisMark::None;
};

// Which marks the page wants. Eclipses are looked for only where the moon-phase searches
// find a new or full moon near, so asking for them runs those searches as well.
struct DayMarkRequest {
    bool moonPhases = false; // "Mondphasen anzeigen"
    bool eclipses = false;
    bool apsides = false; // "Perihel und Aphel anzeigen"
};

// The marks of the working date. The cache, kept by the page for as long as it likes, makes
// the searches of neighbouring days share their lunations.
DayAstronomyMarks dayAstronomyMarks(const WorkingDate& date, const AstronomySettings& settings,
                                    const DayMarkRequest& request, LunationCache& cache);

// Finds and remembers in `cache` the marks of the days first..last ahead of their page.
void prepareDayAstronomyMarks(DayNumber first, DayNumber last, const AstronomySettings& settings,
                              const DayMarkRequest& request, LunationCache& cache);

// The letter drawn for an apsis: "F" (Mondferne) or "N" (Mondnähe), else empty.
const char* apsisLetter(ApsisMark mark);

} // namespace tp
