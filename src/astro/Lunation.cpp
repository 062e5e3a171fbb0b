#include "astro/Lunation.h"

#include "astro/AstroTime.h"
#include "astro/LunationTables.h"

#include <cmath>

namespace tp {

double lunationEstimate(const WorkingDate& date, int offsetDays) {
    return (date.year + ((date.month - 1) * 30.4 + date.day + offsetDays) / 365 - 2000) * 12.3685;
}

double meanPhaseJde(double k, double t) {
    const double t2 = t * t;
    return 2451550.09765 + 29.530588853 * k + 0.0001337 * t2 - 0.000000150 * t2 * t +
           0.00000000073 * t2 * t2;
}

double sunMeanAnomaly(double k, double t) {
    const double t2 = t * t;
    return 2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t2 * t;
}

double moonMeanAnomaly(double k, double t) {
    const double t2 = t * t;
    return 201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t2 * t -
           0.000000058 * t2 * t2;
}

double moonArgumentOfLatitude(double k, double t) {
    const double t2 = t * t;
    return 160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t2 * t +
           0.000000011 * t2 * t2;
}

double moonNodeLongitude(double k, double t) {
    const double t2 = t * t;
    return 124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t2 * t;
}

double eccentricityFactor(double t) {
    return 1 - 0.002516 * t - 0.0000074 * t * t;
}

double planetaryCorrection(double k, double t) {
    double sum = 0;
    for (const auto& term : lunation_tables::PlanetaryTerms)
        sum += term.coefficient * sinDeg(term.constant + term.rate * k + term.quadratic * t * t);
    return sum;
}

namespace {

template <std::size_t N>
double periodicSum(const std::array<lunation_tables::PhaseTerm, N>& terms, double e,
                   double sunAnomaly, double moonAnomaly, double latitude, double node) {
    double sum = 0;
    for (const auto& term : terms) {
        double value = term.coefficient;
        for (int i = 0; i < term.eccentricityPower; ++i)
            value *= e;
        const double argument = term.moonAnomaly * moonAnomaly + term.sunAnomaly * sunAnomaly +
                                term.latitude * latitude + term.node * node;
        sum += value * sinDeg(argument);
    }
    return sum;
}

} // namespace

double truePhaseJde(double kEstimate, PhaseKind kind) {
    const double k = std::trunc(kEstimate) + phaseFraction(kind);
    const double t = k / 1236.85;
    const double e = eccentricityFactor(t);
    const double m = sunMeanAnomaly(k, t);
    const double mPrime = moonMeanAnomaly(k, t);
    const double f = moonArgumentOfLatitude(k, t);
    const double omega = moonNodeLongitude(k, t);
    double jde = meanPhaseJde(k, t);
    switch (kind) {
    case PhaseKind::NewMoon:
        jde += periodicSum(lunation_tables::NewMoonTerms, e, m, mPrime, f, omega);
        break;
    case PhaseKind::FullMoon:
        jde += periodicSum(lunation_tables::FullMoonTerms, e, m, mPrime, f, omega);
        break;
    case PhaseKind::FirstQuarter:
    case PhaseKind::LastQuarter: {
        jde += periodicSum(lunation_tables::QuarterTerms, e, m, mPrime, f, omega);
        const double w = 0.00306 - 0.00038 * e * cosDeg(m) + 0.00026 * cosDeg(mPrime) -
                         0.00002 * cosDeg(mPrime - m) + 0.00002 * cosDeg(mPrime + m) +
                         0.00002 * cosDeg(2 * f);
        jde += kind == PhaseKind::FirstQuarter ? w : -w;
        break;
    }
    }
    return jde + planetaryCorrection(k, t);
}

double newMoonJde(double kEstimate) {
    return truePhaseJde(kEstimate, PhaseKind::NewMoon);
}

double fullMoonJde(double kEstimate) {
    return truePhaseJde(kEstimate, PhaseKind::FullMoon);
}

double quarterJde(double kEstimate, double quarter) {
    return truePhaseJde(kEstimate,
                        quarter < 0.5 ? PhaseKind::FirstQuarter : PhaseKind::LastQuarter);
}

} // namespace tp
