#include "model/WorkingDate.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(DayNumber, KnownDaysAndWeekdays) {
    EXPECT_EQ(dayNumberOf(1970, 1, 1), 0);
    EXPECT_EQ(weekdayOf(0), Weekday::Thursday);
    EXPECT_EQ(WeekdayNames[4], "Donnerstag");
    EXPECT_EQ(daysSinceMonday(weekdayOf(0)), 3);
    EXPECT_EQ(dayNumberOf(2015, 1, 1), 16436);
    EXPECT_EQ(dayNumberOf(2015, 2, 28), 16494);
    EXPECT_EQ(dayNumberOf(2037, 7, 1), 24653);
    EXPECT_EQ(dayNumberOf(2037, 7, 31), 24683);
}

// Every supported day survives the round trip, and consecutive days step the calendar by one.
TEST(DayNumber, RoundTripAndSequenceOverWholeRange) {
    CivilDate previous = civilFromDayNumber(-1);
    for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
        const CivilDate date = civilFromDayNumber(day);
        ASSERT_EQ(dayNumberOf(date), day);
        ASSERT_GE(date.day, 1);
        ASSERT_LE(date.day, monthLength(date.year, date.month));
        if (date.day == 1) {
            ASSERT_EQ(previous.day, monthLength(previous.year, previous.month));
        } else {
            ASSERT_EQ(date.day, previous.day + 1);
        }
        ASSERT_EQ(daysSinceSunday(weekdayOf(day)), (daysSinceSunday(weekdayOf(day - 1)) + 1) % 7);
        previous = date;
    }
}

TEST(DayNumber, LeapYears) {
    EXPECT_EQ(monthLength(2000, 2), 29);
    EXPECT_EQ(monthLength(2016, 2), 29);
    EXPECT_EQ(monthLength(2015, 2), 28);
    EXPECT_EQ(monthLength(2100, 2), 28);
    EXPECT_EQ(monthLength(2015, 12), 31);
}

TEST(WorkingDate, SetFirstOfMonthAndFromDayNumber) {
    WorkingDate date;
    date.year = 2015;
    date.month = 2;
    date.day = 17;
    setFirstOfMonth(date);
    EXPECT_EQ(date.day, 1);
    EXPECT_EQ(date.dayNumber, dayNumberOf(2015, 2, 1));
    EXPECT_EQ(date.monthLength(), 28);

    date.dayNumber = 16494;
    setFromDayNumber(date);
    EXPECT_EQ(date.year, 2015);
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.day, 28);

    date.dayNumber = dayNumberOf(2040, 3, 5);
    setFromDayNumber(date);
    EXPECT_EQ(date.year, 2037);
}

struct WeekCase {
    int year, month, day, week;
};

TEST(IsoWeek, YearBoundaries) {
    const WeekCase cases[] = {
        {2016, 1, 1, 53}, {2018, 12, 31, 1}, {2015, 1, 1, 1},    {2015, 12, 31, 53},
        {2021, 1, 3, 53}, {2021, 1, 4, 1},   {2020, 12, 31, 53}, {2026, 12, 7, 50},
        {1970, 1, 1, 1},  {2037, 7, 31, 31},
    };
    for (const WeekCase& c : cases) {
        EXPECT_EQ(isoWeekNumber(workingDateOf(dayNumberOf(c.year, c.month, c.day))), c.week)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

// The week number steps by one every Monday and nowhere else, over the whole range.
TEST(IsoWeek, ChangesOnlyOnMondays) {
    int previous = isoWeekNumber(workingDateOf(0));
    for (DayNumber day = 1; day <= kLastSupportedDay; ++day) {
        const int week = isoWeekNumber(workingDateOf(day));
        if (weekdayOf(day) == Weekday::Monday) {
            ASSERT_TRUE(week == previous + 1 || (week == 1 && previous >= 52)) << day;
        } else {
            ASSERT_EQ(week, previous) << day;
        }
        previous = week;
    }
}

TEST(Easter, KnownDates) {
    EXPECT_EQ(easterSunday(2016), dayNumberOf(2016, 3, 27));
    EXPECT_EQ(easterSunday(2011), dayNumberOf(2011, 4, 24));
    EXPECT_EQ(easterSunday(2008), dayNumberOf(2008, 3, 23));
    EXPECT_EQ(easterSunday(2037), dayNumberOf(2037, 4, 5));
    EXPECT_EQ(easterSunday(1970), dayNumberOf(1970, 3, 29));
    EXPECT_EQ(easterSunday(2019), dayNumberOf(2019, 4, 21));
    EXPECT_EQ(easterDayOfYear(2016), 86);
    EXPECT_EQ(easterDayOfYear(2011), 113);
}

TEST(Easter, AlwaysASundayBetween22MarchAnd25April) {
    for (int year = 1970; year <= 2037; ++year) {
        const DayNumber easter = easterSunday(year);
        EXPECT_EQ(weekdayOf(easter), Weekday::Sunday) << year;
        EXPECT_GE(easter, dayNumberOf(year, 3, 22)) << year;
        EXPECT_LE(easter, dayNumberOf(year, 4, 25)) << year;
    }
}

} // namespace
} // namespace tp
