#include "astro/Seasons.h"

#include "astro/AstroTime.h"
#include "astro/SeasonTables.h"

#include <cmath>

namespace tp {

std::string seasonText(const WorkingDate& date, const AstronomySettings& settings) {
    static constexpr std::array<const char*, 4> prefixes{
        "Frühlingsanfang: ", "Sommeranfang: ", "Herbstanfang: ", "Winteranfang: "};
    // The seasons begin in March, June, September and December.
    if (date.month % 3 != 0)
        return {};
    const auto season = static_cast<std::size_t>(date.month / 3 - 1);
    const auto& c = season_tables::SeasonMeanInstants[season];
    const double y = (date.year - 2000) / 1000.0;
    const double meanJde = c[0] + c[1] * y + c[2] * y * y + c[3] * y * y * y + c[4] * y * y * y * y;
    const double t = (meanJde - 2451545) / 36525;
    const double w = 35999.373 * t - 2.47;
    const double deltaLambda = 1 + 0.0334 * cosDeg(w) + 0.0007 * cosDeg(2 * w);
    double s = 0;
    for (const auto& term : season_tables::SeasonTerms)
        s += term.a * cosDeg(term.b + term.c * t);
    const double jde = meanJde + 0.00001 * s / deltaLambda;
    return eventText(prefixes[season], jde, date, settings);
}

double earthRadiusVector(double jde) {
    const double tau = (jde - 2451545) / 365250;
    double result = 0;
    double power = 1;
    std::size_t row = 0;
    for (const int length : season_tables::VsopRadiusSeriesLengths) {
        double series = 0;
        for (int i = 0; i < length; ++i, ++row) {
            const auto& term = season_tables::VsopRadiusTable[row];
            series += term.a * std::cos(term.b + term.c * tau);
        }
        result += series * power;
        power *= tau;
    }
    return result / 100000000;
}

namespace {

// Meeus ch. 37, Earth: k whole for perihelion, k + 0.5 for aphelion.
double perihelionNumber(int year) {
    double y = year - 2000.01;
    if (year >= 2000)
        y += 0.5; // so that truncation rounds
    return std::trunc(0.99997 * y);
}

double meanExtremeJde(double k) {
    return 2451547.507 + 365.2596358 * k + 0.0000000158 * k * k;
}

struct ExtremeArguments {
    double a1, a2, a3, a4, a5;
    explicit ExtremeArguments(double k)
        : a1(328.41 + 132.788585 * k), a2(316.13 + 584.903153 * k), a3(346.20 + 450.380738 * k),
          a4(136.95 + 659.306737 * k), a5(249.52 + 329.653368 * k) {}
};

// The refinement walks in 15-minute steps from 4 hours before the estimate until the
// distance turns; the step limit only guards against a series that never turns.
constexpr int kMaximumRefinementSteps = 1000;

double refineExtreme(double estimateJde, bool farthest) {
    double bestJde = estimateJde - 0.1667;
    double best = farthest ? 0 : 2;
    double t = bestJde;
    for (int step = 0; step < kMaximumRefinementSteps; ++step, t += 0.0104) {
        const double r = earthRadiusVector(t);
        if (farthest ? r > best : r < best) {
            best = r;
            bestJde = t;
        } else if (farthest ? r < best : r > best) {
            break;
        }
    }
    return bestJde;
}

std::string extremeText(const char* prefix, double estimateJde, bool farthest,
                        const WorkingDate& date, const AstronomySettings& settings) {
    if (std::fabs(estimateJde - date.dayNumber - 2440587.0) >= 2)
        return {};
    return eventText(prefix, refineExtreme(estimateJde, farthest), date, settings);
}

} // namespace

double perihelionEstimateJde(int year) {
    const double k = perihelionNumber(year);
    const ExtremeArguments a(k);
    return meanExtremeJde(k) + 1.278 * sinDeg(a.a1) - 0.055 * sinDeg(a.a2) - 0.091 * sinDeg(a.a3) -
           0.056 * sinDeg(a.a4) - 0.045 * sinDeg(a.a5);
}

double aphelionEstimateJde(int year) {
    const double k = perihelionNumber(year) + 0.5;
    const ExtremeArguments a(k);
    return meanExtremeJde(k) - 1.352 * sinDeg(a.a1) + 0.061 * sinDeg(a.a2) + 0.062 * sinDeg(a.a3) +
           0.029 * sinDeg(a.a4) + 0.031 * sinDeg(a.a5);
}

std::string perihelionText(const WorkingDate& date, const AstronomySettings& settings) {
    return extremeText("Sonnennähe: ", perihelionEstimateJde(date.year), false, date, settings);
}

std::string aphelionText(const WorkingDate& date, const AstronomySettings& settings) {
    return extremeText("Sonnenferne: ", aphelionEstimateJde(date.year), true, date, settings);
}

} // namespace tp
