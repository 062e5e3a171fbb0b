#include "astro/DayAstronomyMarks.h"

#include "astro/Eclipses.h"
#include "astro/LunationCache.h"
#include "astro/MoonApsides.h"
#include "astro/MoonPhases.h"

#include <cstdint>
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

namespace {

// A day's marks in one byte for the cache, never 0.
std::uint8_t packed(const DayAstronomyMarks& marks) {
    return static_cast<std::uint8_t>(1 + static_cast<int>(marks.moonPhase) +
                                     5 * static_cast<int>(marks.eclipse) +
                                     15 * static_cast<int>(marks.apsis));
}

DayAstronomyMarks unpacked(std::uint8_t packed) {
    const int value = packed - 1;
    return {static_cast<MoonPhaseMark>(value % 5), static_cast<EclipseMark>(value / 5 % 3),
            static_cast<ApsisMark>(value / 15)};
}

unsigned requestBits(const DayMarkRequest& request) {
    return (request.moonPhases ? 1u : 0u) | (request.eclipses ? 2u : 0u) |
           (request.apsides ? 4u : 0u);
}

DayAstronomyMarks searchedDayMarks(const WorkingDate& date, const AstronomySettings& settings,
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

} // namespace

DayAstronomyMarks dayAstronomyMarks(const WorkingDate& date, const AstronomySettings& settings,
                                    const DayMarkRequest& request, LunationCache& cache) {
    // A page shows most of the previous page's days again.
    const unsigned asked = requestBits(request);
    if (const std::uint8_t known = cache.dayMarks(settings, asked, date.dayNumber))
        return unpacked(known);
    const DayAstronomyMarks marks = searchedDayMarks(date, settings, request, cache);
    cache.rememberDayMarks(settings, asked, date.dayNumber, packed(marks));
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
