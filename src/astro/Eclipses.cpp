#include "astro/Eclipses.h"

#include "astro/AstroTime.h"
#include "astro/Lunation.h"
#include "astro/LunationCache.h"
#include "astro/MoonPhases.h"

#include <array>
#include <cmath>

namespace tp {

// Meeus, Astronomical Algorithms, 1st ed. (1991), ch. 52.
double eclipseJde(double kEstimate, double q, int type) {
    const double k = std::trunc(kEstimate) + q;
    const double t = k / 1236.85;
    const double f = moonArgumentOfLatitude(k, t);
    if (sinDeg(std::fabs(f)) > 0.36)
        return 0;
    const double omega = moonNodeLongitude(k, t);
    const double m = sunMeanAnomaly(k, t);
    const double mPrime = moonMeanAnomaly(k, t);
    const double e = eccentricityFactor(t);
    const double f1 = f - 0.02665 * sinDeg(omega);
    const double a1 = 299.77 + 0.107408 * k - 0.009173 * t * t;

    double jde = meanPhaseJde(k, t);
    if (q == 0)
        jde += -0.4075 * sinDeg(mPrime) + 0.1721 * e * sinDeg(m);
    else
        jde += -0.4065 * sinDeg(mPrime) + 0.1727 * e * sinDeg(m);
    jde += 0.0161 * sinDeg(2 * mPrime) - 0.0097 * sinDeg(2 * f1) + 0.0073 * e * sinDeg(mPrime - m) -
           0.0050 * e * sinDeg(mPrime + m) - 0.0023 * sinDeg(mPrime - 2 * f1) +
           0.0021 * e * sinDeg(2 * m) + 0.0012 * sinDeg(mPrime + 2 * f1) +
           0.0006 * e * sinDeg(2 * mPrime + m) - 0.0004 * sinDeg(3 * mPrime) -
           0.0003 * e * sinDeg(m + 2 * f1) + 0.0003 * sinDeg(a1) - 0.0002 * e * sinDeg(m - 2 * f1) -
           0.0002 * e * sinDeg(2 * mPrime - m) - 0.0002 * sinDeg(omega);

    const double p = 0.2070 * e * sinDeg(m) + 0.0024 * e * sinDeg(2 * m) - 0.0392 * sinDeg(mPrime) +
                     0.0116 * sinDeg(2 * mPrime) - 0.0073 * e * sinDeg(mPrime + m) +
                     0.0067 * e * sinDeg(mPrime - m) + 0.0118 * sinDeg(2 * f1);
    const double qq = 5.2207 - 0.0048 * e * cosDeg(m) + 0.0020 * e * cosDeg(2 * m) -
                      0.3299 * cosDeg(mPrime) - 0.0060 * e * cosDeg(mPrime + m) +
                      0.0041 * e * cosDeg(mPrime - m);
    const double w = std::fabs(cosDeg(f1));
    const double gamma = (p * cosDeg(f1) + qq * sinDeg(f1)) * (1 - 0.0048 * w);
    const double u = 0.0059 + 0.0046 * e * cosDeg(m) - 0.0182 * cosDeg(mPrime) +
                     0.0004 * cosDeg(2 * mPrime) - 0.0005 * cosDeg(m + mPrime);
    const double absGamma = std::fabs(gamma);

    if (q != 0) {
        const bool umbral = (1.0248 - u - absGamma) / 0.545 > 0;
        const bool totality = (0.4678 - u) * (0.4678 - u) - gamma * gamma > 0;
        if (!umbral)
            return 0;
        if (type == 0)
            return totality ? 0 : jde;
        const bool total = (1.0128 - u - absGamma) / 0.545 > 0 && totality;
        return total ? jde : 0;
    }

    if (absGamma > 1.5433 + u)
        return 0;
    const bool central = gamma >= -0.9972 && gamma <= 0.9972;
    const bool nonCentralBand = absGamma >= 0.9972 && absGamma < 0.9972 + std::fabs(u);
    if (type == 0)
        return central || nonCentralBand ? 0 : jde;
    if (!central && !nonCentralBand)
        return 0;
    const double oneMinusGamma2 = 1 - gamma * gamma;
    const bool annular =
        oneMinusGamma2 < 0 || u > 0.0047 || u >= 0.00464 * std::sqrt(oneMinusGamma2);
    if (type == 1)
        return annular ? 0 : jde;
    return annular ? jde : 0;
}

namespace {

struct EclipseRow {
    EclipseKind kind;
    double q;
    int type;
    const char* prefix;
};

constexpr std::array<EclipseRow, 5> EclipseRows{{
    {EclipseKind::SolarTotal, 0, 1, "Sonnenfinsternis total: "},
    {EclipseKind::SolarAnnular, 0, 2, "Sonnenfinsternis ringförmig: "},
    {EclipseKind::SolarPartial, 0, 0, "Sonnenfinsternis partiell: "},
    {EclipseKind::LunarTotal, 0.5, 1, "Mondfinsternis total: "},
    {EclipseKind::LunarPartial, 0.5, 0, "Mondfinsternis partiell: "},
}};

// The phase series occupy the first cache series.
constexpr int kFirstEclipseSeries = 4;

std::string firstEclipseText(int firstRow, int lastRow, const WorkingDate& date,
                             const AstronomySettings& settings, LunationCache* cache) {
    for (int row = firstRow; row <= lastRow; ++row) {
        const EclipseRow& eclipse = EclipseRows[static_cast<std::size_t>(row)];
        std::string text =
            eventText(eclipse.prefix, eclipseSearch(eclipse.kind, date, cache), date, settings);
        if (!text.empty())
            return text;
    }
    return {};
}

} // namespace

double eclipseInstant(EclipseKind kind, double lunation, LunationCache* cache) {
    const EclipseRow& eclipse = EclipseRows[static_cast<std::size_t>(kind)];
    const auto compute = [&] { return eclipseJde(lunation, eclipse.q, eclipse.type); };
    return cache ? cache->instant(kFirstEclipseSeries + static_cast<int>(kind), lunation, compute)
                 : compute();
}

double eclipseSearch(EclipseKind kind, const WorkingDate& date, LunationCache* cache) {
    return lunationSearch(date,
                          [&](double lunation) { return eclipseInstant(kind, lunation, cache); });
}

std::string solarEclipseText(const WorkingDate& date, const AstronomySettings& settings,
                             LunationCache* cache) {
    return firstEclipseText(0, 2, date, settings, cache);
}

std::string lunarEclipseText(const WorkingDate& date, const AstronomySettings& settings,
                             LunationCache* cache) {
    return firstEclipseText(3, 4, date, settings, cache);
}

} // namespace tp
