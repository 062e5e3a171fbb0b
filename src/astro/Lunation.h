#pragma once

#include "model/WorkingDate.h"

namespace tp {

// The four principal phases, as the fraction of a lunation after new moon.
enum class PhaseKind { NewMoon, FirstQuarter, FullMoon, LastQuarter };

constexpr double phaseFraction(PhaseKind kind) {
    switch (kind) {
    case PhaseKind::NewMoon:
        return 0;
    case PhaseKind::FirstQuarter:
        return 0.25;
    case PhaseKind::FullMoon:
        return 0.5;
    case PhaseKind::LastQuarter:
        return 0.75;
    }
    return 0;
}

// Rough lunation number of the working date shifted by `offsetDays` (k = 0: new moon of
// 6 January 2000). The month is taken as 30.4 days and the year as 365.
double lunationEstimate(const WorkingDate& date, int offsetDays);

// Elements of the lunation series (Meeus, 1st edition) for k and T = k / 1236.85, degrees.
double meanPhaseJde(double k, double t);
double sunMeanAnomaly(double k, double t);
double moonMeanAnomaly(double k, double t);
double moonArgumentOfLatitude(double k, double t);
double moonNodeLongitude(double k, double t);
double eccentricityFactor(double t);
// Sum of the 14 planetary terms, in days.
double planetaryCorrection(double k, double t);

// Instant (JDE) of the true phase of lunation trunc(kEstimate).
double newMoonJde(double kEstimate);
double fullMoonJde(double kEstimate);
double quarterJde(double kEstimate, double quarter); // quarter 0.25 or 0.75
double truePhaseJde(double kEstimate, PhaseKind kind);

} // namespace tp
