#include "astro/MoonPhases.h"

#include "astro/AstroTime.h"
#include "astro/LunationCache.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace tp {

double phaseInstant(PhaseKind kind, double lunation, LunationCache* cache) {
    const auto compute = [&] { return truePhaseJde(lunation, kind); };
    return cache ? cache->instant(static_cast<int>(kind), lunation, compute) : compute();
}

double phaseSearch(PhaseKind kind, const WorkingDate& date, PhaseNearFlag& flag,
                   LunationCache* cache) {
    const bool setsFlag = kind == PhaseKind::NewMoon || kind == PhaseKind::FullMoon;
    if (setsFlag)
        flag = PhaseNearFlag::None;
    const auto instantOf = [&](double lunation) { return phaseInstant(kind, lunation, cache); };
    const double jde = lunationSearch(date, instantOf);
    if (setsFlag) {
        // The phase found may be the next one, a lunation ahead: then the one before lay
        // within the last day or so.
        const double distance = std::fabs(std::trunc(jde) - date.dayNumber - 2440587.0);
        if (distance < 2 || distance > 27)
            flag = kind == PhaseKind::NewMoon ? PhaseNearFlag::NewMoonNear
                                              : PhaseNearFlag::FullMoonNear;
    }
    return jde;
}

std::string moonPhaseText(const WorkingDate& date, const AstronomySettings& settings,
                          PhaseNearFlag& flag, LunationCache* cache) {
    struct Phase {
        PhaseKind kind;
        const char* prefix;
    };
    static constexpr std::array<Phase, 4> phases{{
        {PhaseKind::FullMoon, "Vollmond: "},
        {PhaseKind::LastQuarter, "Letztes Viertel: "},
        {PhaseKind::NewMoon, "Neumond: "},
        {PhaseKind::FirstQuarter, "Erstes Viertel: "},
    }};
    for (const Phase& phase : phases) {
        const double jde = phaseSearch(phase.kind, date, flag, cache);
        std::string text = eventText(phase.prefix, jde, date, settings);
        if (!text.empty())
            return text;
    }
    return {};
}

} // namespace tp
