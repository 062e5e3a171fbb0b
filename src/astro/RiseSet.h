#pragma once

#include "astro/AstronomySettings.h"
#include "model/WorkingDate.h"

#include <array>
#include <string>

namespace tp {

// What a rise-set line is about: 1 Moon, 2 Sun, 3..5 civil, nautical, astronomical twilight.
enum class RiseSetKind {
    Moon = 1,
    Sun = 2,
    CivilTwilight = 3,
    NauticalTwilight = 4,
    AstronomicalTwilight = 5
};

struct EquatorialPosition {
    double rightAscension; // hours
    double declination;    // degrees
};

// Low-precision Sun and Moon (Montenbruck & Pfleger), T in Julian centuries since J2000.
EquatorialPosition sunPositionLow(double t);
EquatorialPosition moonPositionLow(double t);

// Local mean sidereal time in hours; longitude west positive.
double localSiderealTime(double mjd, double longitude);

// Sine of the altitude of the Moon (kind Moon) or the Sun (any other kind) at `hour` hours
// after `mjd0`.
double sinAltitude(RiseSetKind kind, double mjd0, double hour, double longitude, double sinLatitude,
                   double cosLatitude);

struct QuadraticRoots {
    double extremeX = 0;
    double extremeY = 0;
    int rootCount = 0; // roots within [-1, +1]
    double root1 = 0;
    double root2 = 0;
};

// The parabola through (-1, yMinus), (0, y0), (+1, yPlus) and its crossings of zero.
QuadraticRoots quadraticRoots(double yMinus, double y0, double yPlus);

struct RiseSetResult {
    double rise = 0; // hours after the start, 0 when none was found
    double set = 0;
    bool above = false; // last sample at the start of a step above the horizon altitude
};

// Sine of the altitude of one body at the whole hours 0..24 after a start, each computed
// when first asked for. The Sun's samples serve the Sun and the twilight line alike.
class HourlyAltitudes {
  public:
    HourlyAltitudes(RiseSetKind kind, double mjd0, double longitude, double sinLatitude,
                    double cosLatitude);
    double at(int hour);

  private:
    RiseSetKind kind_;
    double mjd0_, longitude_, sinLatitude_, cosLatitude_;
    std::array<double, 25> values_{};
    std::array<bool, 25> known_{};
};

// Hourly samples from `mjd0` over 24 hours, a parabola through each three.
RiseSetResult riseSetSearch(RiseSetKind kind, double mjd0, double longitude, double sinLatitude,
                            double cosLatitude, double sinHorizon);
RiseSetResult riseSetSearch(HourlyAltitudes& altitudes, double sinHorizon);

// "Sonne: 6:47 - 20:05" for the working date in local time; kind CivilTwilight stands for
// the twilight chosen in the settings.
std::string riseSetLine(RiseSetKind kind, const WorkingDate& date,
                        const AstronomySettings& settings);

// The twilight, Sun and Moon lines of the working date, the Sun sampled once for both of
// its lines.
struct RiseSetLines {
    std::string twilight, sun, moon;
};
RiseSetLines riseSetLines(const WorkingDate& date, const AstronomySettings& settings);

// "6:05" for hours after local midnight, minutes rounded; "--:--" for 0.
std::string riseSetTimeText(double hours);

} // namespace tp
