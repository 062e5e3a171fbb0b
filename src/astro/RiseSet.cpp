#include "astro/RiseSet.h"

#include "astro/AstroTime.h"

#include <cmath>
#include <cstdio>

namespace tp {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kArcsecondsPerCircle = 1296000;
constexpr double kArcsecondsPerRadian = 206264.8062;
constexpr double kCosObliquity = 0.91748;
constexpr double kSinObliquity = 0.39778;

EquatorialPosition equatorialFromCartesian(double x, double y, double z) {
    const double rho = std::sqrt(1 - z * z);
    EquatorialPosition position;
    position.declination = (360 / kTwoPi) * std::atan(z / rho);
    position.rightAscension = (48 / kTwoPi) * std::atan(y / (x + rho));
    if (position.rightAscension < 0)
        position.rightAscension += 24;
    return position;
}

struct Horizon {
    const char* label;
    double altitude; // degrees
};

Horizon horizonOf(RiseSetKind kind) {
    switch (kind) {
    case RiseSetKind::Moon:
        return {"Mond", 0.1333333};
    case RiseSetKind::Sun:
        return {"Sonne", -0.8333333};
    case RiseSetKind::CivilTwilight:
        return {"Dämmerung", -6};
    case RiseSetKind::NauticalTwilight:
        return {"Dämmerung", -12};
    case RiseSetKind::AstronomicalTwilight:
        return {"Dämmerung", -18};
    }
    return {"", 0};
}

} // namespace

EquatorialPosition sunPositionLow(double t) {
    const double m = kTwoPi * frac(0.993133 + 99.997361 * t);
    const double dl = 6893 * std::sin(m) + 72 * std::sin(2 * m);
    const double l =
        kTwoPi * frac(0.7859453 + m / kTwoPi + (6191.2 * t + dl) / kArcsecondsPerCircle);
    const double sl = std::sin(l);
    return equatorialFromCartesian(std::cos(l), kCosObliquity * sl, kSinObliquity * sl);
}

EquatorialPosition moonPositionLow(double t) {
    const double l0 = frac(0.606433 + 1336.855225 * t);
    const double l = kTwoPi * frac(0.374897 + 1325.552410 * t);
    const double ls = kTwoPi * frac(0.993133 + 99.997361 * t);
    const double d = kTwoPi * frac(0.827361 + 1236.853086 * t);
    const double f = kTwoPi * frac(0.259086 + 1342.227825 * t);
    const double dl = 22640 * std::sin(l) - 4586 * std::sin(l - 2 * d) + 2370 * std::sin(2 * d) +
                      769 * std::sin(2 * l) - 668 * std::sin(ls) - 412 * std::sin(2 * f) -
                      212 * std::sin(2 * l - 2 * d) - 206 * std::sin(l + ls - 2 * d) +
                      192 * std::sin(l + 2 * d) - 165 * std::sin(ls - 2 * d) - 125 * std::sin(d) -
                      110 * std::sin(l + ls) + 148 * std::sin(l - ls) -
                      55 * std::sin(2 * f - 2 * d);
    const double s = f + (dl + 412 * std::sin(2 * f) + 541 * std::sin(ls)) / kArcsecondsPerRadian;
    const double h = f - 2 * d;
    const double n = -526 * std::sin(h) + 44 * std::sin(l + h) - 31 * std::sin(-l + h) -
                     23 * std::sin(ls + h) + 11 * std::sin(-ls + h) - 25 * std::sin(-2 * l + f) +
                     21 * std::sin(-l + f);
    const double longitude = kTwoPi * frac(l0 + dl / kArcsecondsPerCircle);
    const double latitude = (18520 * std::sin(s) + n) / kArcsecondsPerRadian;
    const double cb = std::cos(latitude);
    const double x = cb * std::cos(longitude);
    const double v = cb * std::sin(longitude);
    const double w = std::sin(latitude);
    const double y = kCosObliquity * v - kSinObliquity * w;
    const double z = kSinObliquity * v + kCosObliquity * w;
    return equatorialFromCartesian(x, y, z);
}

double localSiderealTime(double mjd, double longitude) {
    const double mjd0 = std::trunc(mjd);
    const double ut = (mjd - mjd0) * 24;
    const double t0 = (mjd0 - 51544.5) / 36525;
    const double gmst = 6.697374558 + 1.0027379093 * ut +
                        (8640184.812866 + (0.093104 - 0.0000062 * t0) * t0) * t0 / 3600;
    return 24 * frac((gmst - longitude / 15) / 24);
}

double sinAltitude(RiseSetKind kind, double mjd0, double hour, double longitude, double sinLatitude,
                   double cosLatitude) {
    const double mjd = mjd0 + hour / 24;
    const double t = (mjd - 51544.5) / 36525;
    const EquatorialPosition position =
        kind == RiseSetKind::Moon ? moonPositionLow(t) : sunPositionLow(t);
    const double hourAngle = 15 * (localSiderealTime(mjd, longitude) - position.rightAscension);
    return sinLatitude * sinDeg(position.declination) +
           cosLatitude * cosDeg(position.declination) * cosDeg(hourAngle);
}

QuadraticRoots quadraticRoots(double yMinus, double y0, double yPlus) {
    QuadraticRoots result;
    const double a = 0.5 * (yMinus + yPlus) - y0;
    const double b = 0.5 * (yPlus - yMinus);
    const double c = y0;
    result.extremeX = -b / (2 * a);
    result.extremeY = (a * result.extremeX + b) * result.extremeX + c;
    const double discriminant = b * b - 4 * a * c;
    if (discriminant >= 0) {
        const double dx = 0.5 * std::sqrt(discriminant) / std::fabs(a);
        result.root1 = result.extremeX - dx;
        result.root2 = result.extremeX + dx;
        if (std::fabs(result.root1) <= 1)
            ++result.rootCount;
        if (std::fabs(result.root2) <= 1)
            ++result.rootCount;
        if (result.root1 < -1)
            result.root1 = result.root2;
    }
    return result;
}

HourlyAltitudes::HourlyAltitudes(RiseSetKind kind, double mjd0, double longitude,
                                 double sinLatitude, double cosLatitude)
    : kind_(kind), mjd0_(mjd0), longitude_(longitude), sinLatitude_(sinLatitude),
      cosLatitude_(cosLatitude) {}

double HourlyAltitudes::at(int hour) {
    const auto index = static_cast<std::size_t>(hour);
    if (!known_[index]) {
        values_[index] = sinAltitude(kind_, mjd0_, hour, longitude_, sinLatitude_, cosLatitude_);
        known_[index] = true;
    }
    return values_[index];
}

RiseSetResult riseSetSearch(HourlyAltitudes& altitudes, double sinHorizon) {
    RiseSetResult result;
    for (int hour = 1; hour <= 23; hour += 2) {
        const double yMinus = altitudes.at(hour - 1) - sinHorizon;
        result.above = yMinus > 0;
        const double y0 = altitudes.at(hour) - sinHorizon;
        const double yPlus = altitudes.at(hour + 1) - sinHorizon;
        const QuadraticRoots roots = quadraticRoots(yMinus, y0, yPlus);
        if (roots.rootCount == 1) {
            if (yMinus < 0)
                result.rise = hour + roots.root1;
            else
                result.set = hour + roots.root1;
        } else if (roots.rootCount == 2) {
            if (roots.extremeY < 0) {
                result.rise = hour + roots.root2;
                result.set = hour + roots.root1;
            } else {
                result.rise = hour + roots.root1;
                result.set = hour + roots.root2;
            }
        }
        if (result.rise != 0 && result.set != 0)
            break;
    }
    return result;
}

RiseSetResult riseSetSearch(RiseSetKind kind, double mjd0, double longitude, double sinLatitude,
                            double cosLatitude, double sinHorizon) {
    HourlyAltitudes altitudes(kind, mjd0, longitude, sinLatitude, cosLatitude);
    return riseSetSearch(altitudes, sinHorizon);
}

std::string riseSetTimeText(double hours) {
    if (hours == 0)
        return "--:--";
    int wholeHours = static_cast<int>(std::trunc(hours));
    double minutes = frac(hours) * 60;
    if (minutes >= 59.5) {
        ++wholeHours;
        minutes = 0;
    }
    char text[48];
    std::snprintf(text, sizeof text, "%d:%02d", wholeHours, static_cast<int>(std::round(minutes)));
    return text;
}

namespace {

// Local midnight of the working date as an MJD.
double localMidnightMjd(const WorkingDate& date, const AstronomySettings& settings) {
    const int mjd0 = date.dayNumber + kMjdOfEpoch;
    double zone = settings.timeZone;
    if (settings.automaticSummerTime && isSummerTimeDay(mjd0))
        zone += 1;
    return mjd0 - zone / 24;
}

RiseSetKind chosenTwilight(const AstronomySettings& settings) {
    const int twilight = settings.twilight >= 0 && settings.twilight <= 2 ? settings.twilight : 0;
    return static_cast<RiseSetKind>(static_cast<int>(RiseSetKind::CivilTwilight) + twilight);
}

std::string lineOf(RiseSetKind kind, HourlyAltitudes& altitudes) {
    const Horizon horizon = horizonOf(kind);
    const RiseSetResult result = riseSetSearch(altitudes, sinDeg(horizon.altitude));
    std::string line = horizon.label;
    if (result.rise == 0 && result.set == 0) {
        const bool twilight = kind != RiseSetKind::Moon && kind != RiseSetKind::Sun;
        if (twilight)
            line += result.above ? ": immer hell" : ": immer dunkel";
        else
            line += result.above ? ": immer sichtbar" : ": nicht sichtbar";
        return line;
    }
    return line + ": " + riseSetTimeText(result.rise) + " - " + riseSetTimeText(result.set);
}

HourlyAltitudes altitudesOf(RiseSetKind kind, const WorkingDate& date,
                            const AstronomySettings& settings) {
    return HourlyAltitudes(kind, localMidnightMjd(date, settings), settings.longitude,
                           sinDeg(settings.latitude), cosDeg(settings.latitude));
}

} // namespace

std::string riseSetLine(RiseSetKind kind, const WorkingDate& date,
                        const AstronomySettings& settings) {
    if (kind == RiseSetKind::CivilTwilight)
        kind = chosenTwilight(settings);
    HourlyAltitudes altitudes = altitudesOf(kind, date, settings);
    return lineOf(kind, altitudes);
}

RiseSetLines riseSetLines(const WorkingDate& date, const AstronomySettings& settings) {
    RiseSetLines lines;
    HourlyAltitudes sun = altitudesOf(RiseSetKind::Sun, date, settings);
    lines.twilight = lineOf(chosenTwilight(settings), sun);
    lines.sun = lineOf(RiseSetKind::Sun, sun);
    HourlyAltitudes moon = altitudesOf(RiseSetKind::Moon, date, settings);
    lines.moon = lineOf(RiseSetKind::Moon, moon);
    return lines;
}

} // namespace tp
