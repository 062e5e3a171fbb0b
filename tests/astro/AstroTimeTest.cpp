#include "astro/AstroTime.h"
#include "AstroTestSupport.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

using astro_test::dateOf;
using astro_test::julianDayOf;
using astro_test::settingsWith;

TEST(AstroTime, FracIsAlwaysInTheUnitInterval) {
    EXPECT_DOUBLE_EQ(frac(-0.25), 0.75);
    EXPECT_DOUBLE_EQ(frac(2.0), 0.0);
    EXPECT_DOUBLE_EQ(frac(3.5), 0.5);
    EXPECT_DOUBLE_EQ(frac(-3.0), 0.0);
}

TEST(AstroTime, EventTimeDropsSecondsAndBelongsToTheLocalDay) {
    const AstronomySettings winter = settingsWith(1, false);
    // 22:59:59 UT on 10 January is 23:59:59 local time.
    EXPECT_EQ(
        formatEventTime(julianDayOf(2016, 1, 10, 22, 59, 59) + 1e-7, dateOf(2016, 1, 10), winter),
        "23:59");
    // One second later the event belongs to the next day.
    const double midnight = julianDayOf(2016, 1, 10, 23, 0, 0) + 1e-7;
    EXPECT_EQ(formatEventTime(midnight, dateOf(2016, 1, 10), winter), "");
    EXPECT_EQ(formatEventTime(midnight, dateOf(2016, 1, 11), winter), "0:00");
    EXPECT_EQ(
        formatEventTime(julianDayOf(2016, 1, 11, 6, 5, 59) + 1e-7, dateOf(2016, 1, 11), winter),
        "7:05");
}

TEST(AstroTime, SummerTimeAddsAnHourToEventTimes) {
    // A little after the minute: an instant exactly on it may come out a hair short.
    const double noon = julianDayOf(2016, 7, 1, 12, 0, 0) + 1e-6;
    EXPECT_EQ(formatEventTime(noon, dateOf(2016, 7, 1), settingsWith(1, true)), "14:00");
    EXPECT_EQ(formatEventTime(noon, dateOf(2016, 7, 1), settingsWith(1, false)), "13:00");
}

TEST(AstroTime, SummerTimeStartsOnTheLastSundayOfMarchEvenOnThe31st) {
    const AstronomySettings settings = settingsWith(1, true);
    for (const int year : {2013, 2019, 2024}) {
        SCOPED_TRACE(year);
        ASSERT_EQ(weekdayOf(dayNumberOf(year, 3, 31)), Weekday::Sunday);
        EXPECT_EQ(lastSundayOfMarch(year), dayNumberOf(year, 3, 31));
        EXPECT_EQ(
            formatEventTime(julianDayOf(year, 3, 30, 12, 0) + 1e-6, dateOf(year, 3, 30), settings),
            "13:00");
        EXPECT_EQ(
            formatEventTime(julianDayOf(year, 3, 31, 12, 0) + 1e-6, dateOf(year, 3, 31), settings),
            "14:00");
        EXPECT_FALSE(isSummerTimeDay(dayNumberOf(year, 3, 30) + kMjdOfEpoch));
        EXPECT_TRUE(isSummerTimeDay(dayNumberOf(year, 3, 31) + kMjdOfEpoch));
    }
}

TEST(AstroTime, SummerTimeDaysEndOnTheSaturdayBeforeTheLastSundayOfOctober) {
    struct Case {
        int year, month, day;
        bool summer;
    };
    const Case cases[] = {
        {2016, 3, 26, false}, {2016, 3, 27, true},  {2016, 10, 29, true}, {2016, 10, 30, false},
        {1985, 3, 31, true},  {1985, 3, 30, false}, {2037, 7, 31, true},  {1970, 1, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(isSummerTimeDay(dayNumberOf(c.year, c.month, c.day) + kMjdOfEpoch), c.summer);
    }
}

} // namespace
} // namespace tp
