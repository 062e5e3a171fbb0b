#include "holidays/SchoolHolidays.h"
#include "model/DayNumber.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(SchoolHolidays, DaysInsideAndOutsidePeriods) {
    EXPECT_TRUE(isSchoolHoliday(2016, 2, 8));
    EXPECT_TRUE(isSchoolHoliday(2016, 2, 12));
    EXPECT_FALSE(isSchoolHoliday(2016, 2, 13));
    EXPECT_FALSE(isSchoolHoliday(2016, 2, 7));
    EXPECT_TRUE(isSchoolHoliday(2012, 1, 5)); // Christmas period of the 2011 row
    EXPECT_FALSE(isSchoolHoliday(2010, 12, 28));
    EXPECT_FALSE(isSchoolHoliday(2037, 7, 31));
}

TEST(SchoolHolidays, CompletedAndAppendedYears) {
    EXPECT_TRUE(isSchoolHoliday(2024, 10, 31)); // autumn 2024, now known
    EXPECT_TRUE(isSchoolHoliday(2025, 1, 3));   // Christmas 2024 ends in 2025
    EXPECT_TRUE(isSchoolHoliday(2026, 12, 24)); // Christmas 2026
    EXPECT_TRUE(isSchoolHoliday(2030, 9, 9));   // summer 2030
    EXPECT_FALSE(isSchoolHoliday(2030, 11, 1)); // autumn 2030 not yet known
    ASSERT_TRUE(schoolHolidaysOfYear(2030).has_value());
    EXPECT_EQ(formatTableDate((*schoolHolidaysOfYear(2030))[4].start), "?");
    EXPECT_FALSE(schoolHolidaysOfYear(2010).has_value());
    EXPECT_FALSE(schoolHolidaysOfYear(2031).has_value());
}

// Every stored date is a real date, periods are ordered, and each row belongs to its year.
TEST(SchoolHolidays, TableIsConsistent) {
    int year = kFirstSchoolHolidayYear;
    int previousEnd = 0;
    for (const auto& row : SchoolHolidayTable) {
        EXPECT_EQ(row[0].start / 10000, year);
        for (const SchoolHolidayPeriod& period : row) {
            if (period.start == 0) {
                EXPECT_EQ(period.end, 0);
                continue;
            }
            for (int entry : {period.start, period.end}) {
                const int month = entry / 100 % 100;
                ASSERT_GE(month, 1);
                ASSERT_LE(month, 12);
                ASSERT_GE(entry % 100, 1);
                ASSERT_LE(entry % 100, monthLength(entry / 10000, month)) << entry;
            }
            EXPECT_LE(period.start, period.end);
            EXPECT_GT(period.start, previousEnd);
            EXPECT_LE(
                dayNumberOf(period.end / 10000, period.end / 100 % 100, period.end % 100) -
                    dayNumberOf(period.start / 10000, period.start / 100 % 100, period.start % 100),
                60);
            previousEnd = period.end;
        }
        ++year;
    }
}

TEST(SchoolHolidays, FormatTableDate) {
    EXPECT_EQ(formatTableDate(20161224), "24. Dezember");
    EXPECT_EQ(formatTableDate(20170105), "5. Januar");
    EXPECT_EQ(formatTableDate(0), "?");
    EXPECT_EQ(formatTableDate(-3), "?");
}

} // namespace
} // namespace tp
