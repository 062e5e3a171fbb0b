#include "astro/AstronomyLine.h"

#include "astro/AstroTime.h"
#include "astro/Eclipses.h"
#include "astro/MoonApsides.h"
#include "astro/RiseSet.h"
#include "astro/Seasons.h"

namespace tp {

std::string dstChangeText(const WorkingDate& date) {
    if (date.month == 3 && date.dayNumber == lastSundayOfMarch(date.year))
        return "Sommerzeit von 2:00 Uhr auf 3:00 Uhr";
    if (date.month == 10 && date.dayNumber == lastSundayOfOctober(date.year))
        return "Winterzeit von 3:00 Uhr auf 2:00b Uhr";
    return {};
}

std::string astronomyLine(const WorkingDate& date, const AstronomySettings& settings,
                          PhaseNearFlag& flag, LunationCache* cache) {
    const RiseSetLines riseSet = riseSetLines(date, settings);
    std::string line = riseSet.twilight;
    line += kAstronomySeparator;
    line += riseSet.sun;
    line += kAstronomySeparator;
    line += riseSet.moon;
    const auto append = [&line](const std::string& item) {
        if (!item.empty()) {
            line += kAstronomySeparator;
            line += item;
        }
    };
    append(seasonText(date, settings));
    append(dstChangeText(date));
    append(moonPhaseText(date, settings, flag, cache));
    if (flag == PhaseNearFlag::NewMoonNear)
        append(solarEclipseText(date, settings, cache));
    else if (flag == PhaseNearFlag::FullMoonNear)
        append(lunarEclipseText(date, settings, cache));
    append(apogeeText(date, settings, cache));
    append(perigeeText(date, settings, cache));
    append(aphelionText(date, settings));
    append(perihelionText(date, settings));
    return line;
}

} // namespace tp
