#include "astro/DayAstronomyMarks.h"

#include "astro/Eclipses.h"
#include "astro/LunationCache.h"
#include "astro/MoonApsides.h"
#include "astro/MoonPhases.h"

#include <string>

namespace tp {

namespace {

// The page goes by the first letter of the phase text.
MoonPhaseMark phaseMarkOf(const std::string& text) {
    if (text.empty())
        return MoonPhaseMark::None;
    switch (text[0]) {
    case 'N':
        return MoonPhaseMark::NewMoon;
    case 'E':
        return MoonPhaseMark::FirstQuarter;
    case 'V':
        return MoonPhaseMark::FullMoon;
    case 'L':
        return MoonPhaseMark::LastQuarter;
    default:
        return MoonPhaseMark::None;
    }
}

} // namespace

DayAstronomyMarks dayAstronomyMarks(const WorkingDate& date, const AstronomySettings& settings,
                                    const DayMarkRequest& request, LunationCache& cache) {
    DayAstronomyMarks marks;
    if (request.moonPhases || request.eclipses) {
        PhaseNearFlag flag = PhaseNearFlag::None;
        const std::string phase = moonPhaseText(date, settings, flag, &cache);
        if (request.moonPhases)
            marks.moonPhase = phaseMarkOf(phase);
        if (request.eclipses) {
            if (flag == PhaseNearFlag::NewMoonNear &&
                !solarEclipseText(date, settings, &cache).empty())
                marks.eclipse = EclipseMark::Solar;
            else if (flag == PhaseNearFlag::FullMoonNear &&
                     !lunarEclipseText(date, settings, &cache).empty())
                marks.eclipse = EclipseMark::Lunar;
        }
    }
    if (request.apsides) {
        if (!apogeeText(date, settings, &cache).empty())
            marks.apsis = ApsisMark::Apogee;
        else if (!perigeeText(date, settings, &cache).empty())
            marks.apsis = ApsisMark::Perigee;
    }
    return marks;
}

const char* apsisLetter(ApsisMark mark) {
    switch (mark) {
    case ApsisMark::Apogee:
        return "F";
    case ApsisMark::Perigee:
        return "N";
    case ApsisMark::None:
        break;
    }
    return "";
}

} // namespace tp
