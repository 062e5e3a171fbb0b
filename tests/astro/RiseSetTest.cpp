#include "astro/RiseSet.h"
#include "AstroTestSupport.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

using astro_test::dateOf;
using astro_test::minutesOfClockText;

AstronomySettings placeAt(double latitude, int twilight = 0) {
    AstronomySettings settings;
    settings.latitude = latitude;
    settings.twilight = twilight;
    return settings;
}

TEST(RiseSet, LinesNameTheDaysWithoutCrossings) {
    struct Case {
        double latitude;
        int twilight;
        RiseSetKind kind;
        int year, month, day;
        const char* line;
    };
    const Case cases[] = {
        {70, 0, RiseSetKind::Sun, 2016, 6, 21, "Sonne: immer sichtbar"},
        {70, 0, RiseSetKind::Sun, 2016, 12, 21, "Sonne: nicht sichtbar"},
        {55, 1, RiseSetKind::CivilTwilight, 2016, 6, 21, "Dämmerung: immer hell"},
        {50, 2, RiseSetKind::CivilTwilight, 2016, 6, 21, "Dämmerung: immer hell"},
        {-70, 0, RiseSetKind::Sun, 2016, 6, 21, "Sonne: nicht sichtbar"},
        {89, 0, RiseSetKind::CivilTwilight, 2016, 12, 21, "Dämmerung: immer dunkel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(
            riseSetLine(c.kind, dateOf(c.year, c.month, c.day), placeAt(c.latitude, c.twilight)),
            c.line);
    }
}

TEST(RiseSet, CivilTwilightAt55NorthInJuneHasBothTimes) {
    const std::string line =
        riseSetLine(RiseSetKind::CivilTwilight, dateOf(2016, 6, 21), placeAt(55));
    ASSERT_EQ(line.rfind("Dämmerung: ", 0), 0u) << line;
    const auto dash = line.find(" - ");
    ASSERT_NE(dash, std::string::npos) << line;
    EXPECT_GT(minutesOfClockText(line.substr(12, dash - 12)), 0) << line;
    EXPECT_GT(minutesOfClockText(line.substr(dash + 3)), 0) << line;
}

TEST(RiseSet, TimesRoundToTheNearestMinute) {
    EXPECT_EQ(riseSetTimeText(6 + 59.0 / 60 + 40.0 / 3600), "7:00");
    EXPECT_EQ(riseSetTimeText(6 + 59.0 / 60 + 20.0 / 3600), "6:59");
    EXPECT_EQ(riseSetTimeText(23 + 59.0 / 60 + 40.0 / 3600), "24:00");
    EXPECT_EQ(riseSetTimeText(6 + 5.0 / 60), "6:05");
    EXPECT_EQ(riseSetTimeText(0), "--:--");
}

TEST(RiseSet, EastLongitudeAdvancesTheSiderealTime) {
    const double mjd = 57388.25; // 1 January 2016, 6 h UT
    const double greenwich = localSiderealTime(mjd, 0);
    const double east = localSiderealTime(mjd, -12.9);
    double difference = east - greenwich;
    if (difference < 0)
        difference += 24;
    EXPECT_NEAR(difference, 12.9 / 15, 1e-9);
}

TEST(RiseSet, ParabolaFindsItsCrossings) {
    // y = x² − 0.25 through x = -1, 0, 1.
    const QuadraticRoots roots = quadraticRoots(0.75, -0.25, 0.75);
    EXPECT_EQ(roots.rootCount, 2);
    EXPECT_DOUBLE_EQ(roots.root1, -0.5);
    EXPECT_DOUBLE_EQ(roots.root2, 0.5);
    EXPECT_DOUBLE_EQ(roots.extremeY, -0.25);
    // A straight rise through zero at x = 0.5 has one root in [-1, 1].
    const QuadraticRoots one = quadraticRoots(-1.5 + 0.0001, -0.5, 0.5);
    EXPECT_EQ(one.rootCount, 1);
    EXPECT_NEAR(one.root1, 0.5, 1e-3);
    EXPECT_EQ(quadraticRoots(1, 2, 1).rootCount, 0);
}

// Published times for Munich (48°08′ N, 11°35′ E) on the June solstice of 2016, CEST.
TEST(RiseSet, SunTimesMatchPublishedOnes) {
    AstronomySettings munich;
    munich.latitude = 48.1372;
    munich.longitude = -11.5755;
    const std::string line = riseSetLine(RiseSetKind::Sun, dateOf(2016, 6, 21), munich);
    const auto dash = line.find(" - ");
    ASSERT_NE(dash, std::string::npos) << line;
    EXPECT_NEAR(minutesOfClockText(line.substr(7, dash - 7)), 5 * 60 + 12, 3) << line;
    EXPECT_NEAR(minutesOfClockText(line.substr(dash + 3)), 21 * 60 + 16, 3) << line;
}

// A day without moonrise shows "--:--" for it and the set time.
TEST(RiseSet, MissingMoonriseShowsDashes) {
    const AstronomySettings settings;
    int daysWithoutRise = 0;
    for (DayNumber day = dayNumberOf(2016, 1, 1); day < dayNumberOf(2016, 3, 1); ++day) {
        const std::string line = riseSetLine(RiseSetKind::Moon, workingDateOf(day), settings);
        if (line.rfind("Mond: --:-- - ", 0) == 0) {
            ++daysWithoutRise;
            EXPECT_GT(minutesOfClockText(line.substr(14)), 0) << line;
        }
    }
    EXPECT_GE(daysWithoutRise, 1);
}

} // namespace
} // namespace tp
