#include "astro/DayAstronomyMarks.h"

#include "astro/AstroTime.h"
#include "astro/Eclipses.h"
#include "astro/LunationCache.h"
#include "astro/MoonApsides.h"
#include "astro/MoonPhases.h"

#include <bitset>
#include <cmath>
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

// Days are looked at in blocks of this many.
constexpr int kBlockDays = 64;

// The days of the block from `first` on that an instant may fall on in local time: the day
// formatEventTime takes, with and without the summer hour.
void markLocalDays(double jde, const AstronomySettings& settings, DayNumber first,
                   std::bitset<kBlockDays>& days) {
    constexpr double kEpoch = kJulianDayOfEpochNoon + 1;
    const double local = jde + settings.timeZone / 24 + 0.5;
    for (const double clock : {local, local + 1.0 / 24}) {
        const double offset = std::trunc(clock) - kEpoch - first;
        if (offset >= 0 && offset < kBlockDays)
            days.set(static_cast<std::size_t>(offset));
    }
}

// Each mark needs the instant its search finds to fall on the day, and every search finds an
// instant of its own series. So a mark is looked for only on the days of the block around
// `day` on which an instant of its series falls; the other days have none. The whole block is
// remembered.
void rememberBlockOfDay(DayNumber day, const AstronomySettings& settings,
                        const DayMarkRequest& request, unsigned asked, LunationCache& cache) {
    const DayNumber first = day - positiveMod(day, kBlockDays);
    std::bitset<kBlockDays> phaseDays;
    std::bitset<kBlockDays> eclipseDays;
    std::bitset<kBlockDays> apsisDays;
    // Every lunation and anomalistic month whose instants may fall into the block: from the
    // mean periods, with a margin far wider than the true instants stray from the mean ones.
    const double firstJd = first + kJulianDayOfEpochNoon;
    const double lastJd = firstJd + kBlockDays;
    const auto periodNumber = [](double jd, double epoch, double period) {
        return std::floor((jd - epoch) / period);
    };
    const double firstLunation = periodNumber(firstJd, 2451550.09765, 29.530588853) - 3;
    const double lastLunation = periodNumber(lastJd, 2451550.09765, 29.530588853) + 3;
    for (double lunation = firstLunation; lunation <= lastLunation; ++lunation) {
        if (request.moonPhases)
            for (const PhaseKind kind : {PhaseKind::NewMoon, PhaseKind::FirstQuarter,
                                         PhaseKind::FullMoon, PhaseKind::LastQuarter})
                markLocalDays(phaseInstant(kind, lunation, &cache), settings, first, phaseDays);
        if (request.eclipses)
            for (const EclipseKind kind :
                 {EclipseKind::SolarTotal, EclipseKind::SolarAnnular, EclipseKind::SolarPartial,
                  EclipseKind::LunarTotal, EclipseKind::LunarPartial})
                if (const double jde = eclipseInstant(kind, lunation, &cache); jde != 0)
                    markLocalDays(jde, settings, first, eclipseDays);
    }
    if (request.apsides) {
        const double firstMonth = periodNumber(firstJd, 2451534.6698, 27.55454988) - 3;
        const double lastMonth = periodNumber(lastJd, 2451534.6698, 27.55454988) + 3;
        for (double month = firstMonth; month <= lastMonth; ++month) {
            markLocalDays(apsisInstant(month + 0.5, true, &cache), settings, first, apsisDays);
            markLocalDays(apsisInstant(month, false, &cache), settings, first, apsisDays);
        }
    }
    for (int offset = 0; offset < kBlockDays; ++offset) {
        const auto at = static_cast<std::size_t>(offset);
        const DayMarkRequest possible{phaseDays.test(at), eclipseDays.test(at), apsisDays.test(at)};
        const DayAstronomyMarks marks =
            requestBits(possible) != 0
                ? searchedDayMarks(workingDateOf(first + offset), settings, possible, cache)
                : DayAstronomyMarks{};
        cache.rememberDayMarks(settings, asked, first + offset, packed(marks));
    }
}

} // namespace

DayAstronomyMarks dayAstronomyMarks(const WorkingDate& date, const AstronomySettings& settings,
                                    const DayMarkRequest& request, LunationCache& cache) {
    // A page shows most of the previous page's days again.
    const unsigned asked = requestBits(request);
    if (const std::uint8_t known = cache.dayMarks(settings, asked, date.dayNumber))
        return unpacked(known);
    if (!cache.keepsDay(date.dayNumber))
        return searchedDayMarks(date, settings, request, cache);
    rememberBlockOfDay(date.dayNumber, settings, request, asked, cache);
    return unpacked(cache.dayMarks(settings, asked, date.dayNumber));
}

void prepareDayAstronomyMarks(DayNumber first, DayNumber last, const AstronomySettings& settings,
                              const DayMarkRequest& request, LunationCache& cache) {
    const unsigned asked = requestBits(request);
    // One day of each block finds the marks of the whole block.
    for (DayNumber day = first; day <= last; day += kBlockDays - positiveMod(day, kBlockDays))
        if (cache.keepsDay(day) && cache.dayMarks(settings, asked, day) == 0)
            rememberBlockOfDay(day, settings, request, asked, cache);
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
