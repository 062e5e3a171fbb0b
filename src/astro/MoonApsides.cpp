#include "astro/MoonApsides.h"

#include "astro/AstroTime.h"
#include "astro/LunationCache.h"
#include "astro/MoonApsidesTables.h"

#include <cmath>

namespace tp {

namespace {

// Whole anomalistic month number near the working date.
double anomalisticMonth(const WorkingDate& date) {
    const DayNumber january1 = firstDayOfYear(date.year) + (date.year >= 2000 ? -6 : 10);
    const double yearLength = isLeapYear(date.year) ? 366 : 365;
    return std::trunc((date.year + (date.dayNumber - january1) / yearLength - 1999.97) * 13.2555);
}

template <std::size_t N>
double apsisSum(const std::array<apsides_tables::ApsisTerm, N>& terms, double t, double d, double m,
                double f) {
    double sum = 0;
    for (const auto& term : terms)
        sum += (term.coefficient + term.tCoefficient * t) *
               sinDeg(term.d * d + term.m * m + term.f * f);
    return sum;
}

constexpr int kApogeeSeries = 9;
constexpr int kPerigeeSeries = 10;

} // namespace

double apsisInstant(double k, bool apogee, LunationCache* cache) {
    const auto compute = [&] { return moonApsisJde(k, apogee); };
    if (!cache)
        return compute();
    return cache->instant(apogee ? kApogeeSeries : kPerigeeSeries, std::floor(k), compute);
}

double apogeeNumber(const WorkingDate& date) {
    // Before 2000 the truncation of the negative number already moved one half forward, so
    // adding another half would skip to the following apogee.
    return anomalisticMonth(date) + (date.year >= 2000 ? 0.5 : -0.5);
}

double perigeeNumber(const WorkingDate& date) {
    return anomalisticMonth(date);
}

double moonApsisJde(double k, bool apogee) {
    const double t = k / 1325.55;
    const double t2 = t * t;
    const double meanJde = 2451534.6698 + 27.55454988 * k - 0.0006886 * t2 - 0.000001098 * t2 * t +
                           0.0000000052 * t2 * t2;
    const double d =
        171.9179 + 335.9106046 * k - 0.0100250 * t2 - 0.00001156 * t2 * t + 0.000000055 * t2 * t2;
    const double m = 347.3477 + 27.1577721 * k - 0.0008323 * t2 - 0.0000010 * t2 * t;
    const double f = 316.6109 + 364.5287911 * k - 0.0125131 * t2 - 0.0000148 * t2 * t;
    return meanJde + (apogee ? apsisSum(apsides_tables::ApogeeTerms, t, d, m, f)
                             : apsisSum(apsides_tables::PerigeeTerms, t, d, m, f));
}

std::string apogeeText(const WorkingDate& date, const AstronomySettings& settings,
                       LunationCache* cache) {
    return eventText("Mondferne: ", apsisInstant(apogeeNumber(date), true, cache), date, settings);
}

std::string perigeeText(const WorkingDate& date, const AstronomySettings& settings,
                        LunationCache* cache) {
    return eventText("Mondnähe: ", apsisInstant(perigeeNumber(date), false, cache), date, settings);
}

} // namespace tp
