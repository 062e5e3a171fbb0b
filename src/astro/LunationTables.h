#pragma once

#include <array>

namespace tp::lunation_tables {

// One periodic term: coefficient (days) × E^eccentricityPower × sin(a·M′ + b·M + c·F + d·Ω).
struct PhaseTerm {
    double coefficient;
    int eccentricityPower;
    int moonAnomaly; // M′
    int sunAnomaly;  // M
    int latitude;    // F
    int node;        // Ω
};

// Meeus, Astronomical Algorithms, 1st ed. (1991), ch. 47, corrections for the new moon.
inline constexpr std::array<PhaseTerm, 25> NewMoonTerms{{
    {-0.40720, 0, 1, 0, 0, 0}, {0.17241, 1, 0, 1, 0, 0},    {0.01608, 0, 2, 0, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},  {0.00739, 1, 1, -1, 0, 0},   {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 0, 2, 0, 0},  {-0.00111, 0, 1, 0, -2, 0},  {-0.00057, 0, 1, 0, 2, 0},
    {0.00056, 1, 2, 1, 0, 0},  {-0.00042, 0, 3, 0, 0, 0},   {0.00042, 1, 0, 1, 2, 0},
    {0.00038, 1, 0, 1, -2, 0}, {-0.00024, 1, 2, -1, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 1, 2, 0, 0}, {0.00004, 0, 2, 0, -2, 0},   {0.00004, 0, 0, 3, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 2, 0, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, 1, -1, 2, 0}, {-0.00002, 0, 1, -1, -2, 0}, {-0.00002, 0, 3, 1, 0, 0},
    {0.00002, 0, 4, 0, 0, 0},
}};

// Meeus, Astronomical Algorithms, 1st ed. (1991), ch. 47, corrections for the full moon.
inline constexpr std::array<PhaseTerm, 25> FullMoonTerms{{
    {-0.40614, 0, 1, 0, 0, 0}, {0.17302, 1, 0, 1, 0, 0},    {0.01614, 0, 2, 0, 0, 0},
    {0.01043, 0, 0, 0, 2, 0},  {0.00734, 1, 1, -1, 0, 0},   {-0.00515, 1, 1, 1, 0, 0},
    {0.00209, 2, 0, 2, 0, 0},  {-0.00111, 0, 1, 0, -2, 0},  {-0.00057, 0, 1, 0, 2, 0},
    {0.00056, 1, 2, 1, 0, 0},  {-0.00042, 0, 3, 0, 0, 0},   {0.00042, 1, 0, 1, 2, 0},
    {0.00038, 1, 0, 1, -2, 0}, {-0.00024, 1, 2, -1, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 1, 2, 0, 0}, {0.00004, 0, 2, 0, -2, 0},   {0.00004, 0, 0, 3, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 2, 0, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, 1, -1, 2, 0}, {-0.00002, 0, 1, -1, -2, 0}, {-0.00002, 0, 3, 1, 0, 0},
    {0.00002, 0, 4, 0, 0, 0},
}};

// Meeus, Astronomical Algorithms, 1st ed. (1991), ch. 47, corrections for the first and last
// quarter (before the quarter correction W).
inline constexpr std::array<PhaseTerm, 25> QuarterTerms{{
    {-0.62801, 0, 1, 0, 0, 0}, {0.17172, 1, 0, 1, 0, 0},    {-0.01183, 1, 1, 1, 0, 0},
    {0.00862, 0, 2, 0, 0, 0},  {0.00804, 0, 0, 0, 2, 0},    {0.00454, 1, 1, -1, 0, 0},
    {0.00204, 2, 0, 2, 0, 0},  {-0.00180, 0, 1, 0, -2, 0},  {-0.00070, 0, 1, 0, 2, 0},
    {-0.00040, 0, 3, 0, 0, 0}, {-0.00034, 1, 2, -1, 0, 0},  {0.00032, 1, 0, 1, 2, 0},
    {0.00032, 1, 0, 1, -2, 0}, {-0.00028, 2, 1, 2, 0, 0},   {0.00027, 1, 2, 1, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1}, {-0.00005, 0, 1, -1, -2, 0}, {0.00004, 0, 2, 0, 2, 0},
    {-0.00004, 0, 1, 1, 2, 0}, {0.00004, 0, 1, -2, 0, 0},   {0.00003, 0, 1, 1, -2, 0},
    {0.00003, 0, 0, 3, 0, 0},  {0.00002, 0, 2, 0, -2, 0},   {0.00002, 0, 1, -1, 2, 0},
    {-0.00002, 0, 3, 1, 0, 0},
}};

// Planetary argument A = constant + rate·k (+ quadratic·T² for A1) and its coefficient.
struct PlanetaryTerm {
    double coefficient;
    double constant;
    double rate;
    double quadratic;
};

// Meeus, Astronomical Algorithms, 1st ed. (1991), ch. 47, the 14 additional corrections.
inline constexpr std::array<PlanetaryTerm, 14> PlanetaryTerms{{
    {0.000325, 299.77, 0.107408, -0.009173},
    {0.000165, 251.88, 0.016321, 0},
    {0.000164, 251.83, 26.651886, 0},
    {0.000126, 349.42, 36.412478, 0},
    {0.000110, 84.66, 18.206239, 0},
    {0.000062, 141.74, 53.303771, 0},
    {0.000060, 207.14, 2.453732, 0},
    {0.000056, 154.84, 7.306860, 0},
    {0.000047, 34.52, 27.261239, 0},
    {0.000042, 207.19, 0.121824, 0},
    {0.000040, 291.34, 1.844379, 0},
    {0.000037, 161.72, 24.198154, 0},
    {0.000035, 239.56, 25.513099, 0},
    {0.000023, 331.55, 3.592518, 0},
}};

static_assert(NewMoonTerms[0].coefficient == -0.40720 && NewMoonTerms[24].moonAnomaly == 4);
static_assert(FullMoonTerms[6].coefficient == 0.00209 && FullMoonTerms[6].eccentricityPower == 2);
static_assert(QuarterTerms[2].coefficient == -0.01183 && QuarterTerms[24].moonAnomaly == 3);
static_assert(PlanetaryTerms[13].constant == 331.55);

} // namespace tp::lunation_tables
