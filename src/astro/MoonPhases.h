#pragma once

#include "astro/AstronomySettings.h"
#include "astro/Lunation.h"
#include "model/WorkingDate.h"

#include <cmath>
#include <string>

namespace tp {

class LunationCache;

// Whether a new moon (1) or a full moon (2) lies within about a day of the working date,
// as left by the last new-moon or full-moon search; decides which eclipse check runs.
enum class PhaseNearFlag { None = 0, NewMoonNear = 1, FullMoonNear = 2 };

// The lunation loop shared by the phase and eclipse searches: starting a little before the
// working date (35 days before 2000, where truncating the negative lunation number moves one
// lunation on), the first instant not before noon UT of the day before. When the lunation
// before the one found also qualifies, that earlier one is taken: the first estimate can
// overshoot by a whole lunation. `instantOf(lunation)` gives the instant (0 for none).
template <class InstantOf> double lunationSearch(const WorkingDate& date, InstantOf instantOf);

// JDE of the phase `kind` of whole lunation number `lunation`, as the searches see it.
// `cache` may be null.
double phaseInstant(PhaseKind kind, double lunation, LunationCache* cache);

// JDE of the first phase of `kind` not before about noon UT of the day before the working
// date (where the loop's few passes run out first, the earlier phase it looked at last).
// New and full moon searches set `flag` (the quarters leave it alone). `cache` may be null.
double phaseSearch(PhaseKind kind, const WorkingDate& date, PhaseNearFlag& flag,
                   LunationCache* cache);

// "Vollmond: 21:44" when a principal phase falls on the working date, else empty. Kinds are
// tried as full moon, last quarter, new moon, first quarter; `flag` is left as the
// searches that ran set it.
std::string moonPhaseText(const WorkingDate& date, const AstronomySettings& settings,
                          PhaseNearFlag& flag, LunationCache* cache);

// ---------------------------------------------------------------------------------------

template <class InstantOf> double lunationSearch(const WorkingDate& date, InstantOf instantOf) {
    // JD of noon UT of the day before the working date.
    const double notBefore = date.dayNumber + 2440587.0;
    int offset = date.year >= 2000 ? -1 : -35;
    double lunation = 0;
    double instant = 0;
    do {
        lunation = std::trunc(lunationEstimate(date, offset));
        ++offset;
        instant = instantOf(lunation);
    } while (!(std::trunc(instant) >= notBefore) && offset <= 2);
    const double earlier = instantOf(lunation - 1);
    if (std::trunc(earlier) >= notBefore)
        return earlier;
    return instant;
}

} // namespace tp
