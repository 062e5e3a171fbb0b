#include "holidays/Holidays.h"
#include "holidays/HolidayTables.h"
#include "model/WorkingDate.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

DayNumber on(int year, int month, int day) {
    return dayNumberOf(year, month, day);
}

struct NameCase {
    int year, month, day;
    const char* publicHoliday;
    const char* dayName;
};

TEST(Holidays, NamesOfKnownDays) {
    const NameCase cases[] = {
        {2016, 3, 25, "Karfreitag", "Karfreitag"},
        {2016, 3, 26, "", "Karsamstag"},
        {2016, 3, 27, "Ostersonntag", "Ostersonntag"},
        {2016, 5, 5, "Christi Himmelfahrt", "Christi Himmelfahrt"},
        {2016, 5, 16, "Pfingstmontag", "Pfingstmontag"},
        {2016, 5, 26, "Fronleichnam", "Fronleichnam"},
        {2016, 2, 8, "", "Rosenmontag"},
        {2016, 2, 10, "", "Aschermittwoch"},
        {2016, 12, 26, "Märtyrer Stephanus", "Märtyrer Stephanus"},
        {2016, 12, 24, "", "Heiliger Abend"},
        {2016, 12, 31, "", "Silvester"},
        {2016, 1, 6, "Erscheinung des Herrn", "Erscheinung des Herrn"},
        {2016, 11, 27, "", "1. Advent"},
        {2016, 11, 16, "", "Buß- und Bettag"},
        {2016, 12, 18, "", "4. Advent"},
        {2017, 12, 3, "", "1. Advent"},
        {2017, 11, 19, "", "Volkstrauertag"},
        {2017, 11, 26, "", "Christkönigsfest"},
        {2017, 12, 24, "", "Heiliger Abend"}, // also the 4th Sunday of Advent: fixed names first
        {2008, 5, 1, "Maifeiertag", "Christi Himmelfahrt"},
        {2016, 7, 14, "", ""},
    };
    for (const NameCase& c : cases) {
        const DayNumber day = on(c.year, c.month, c.day);
        EXPECT_EQ(publicHolidayName(day), c.publicHoliday)
            << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(holidayNameOfDay(day), c.dayName) << c.year << "-" << c.month << "-" << c.day;
    }
}

// Every entry of every table is found on its day in every year, so a typo in a key shows.
TEST(Holidays, EveryTableEntryIsFoundEveryYear) {
    for (int year = 1970; year <= 2037; ++year) {
        for (const FixedHoliday& entry : FixedPublicHolidays) {
            const DayNumber day = on(year, entry.code / 100, entry.code % 100);
            ASSERT_EQ(fixedPublicHolidayName(day), entry.name);
            ASSERT_TRUE(isPublicHoliday(day));
        }
        for (const FixedHoliday& entry : FixedFeastDays)
            ASSERT_EQ(fixedFeastName(on(year, entry.code / 100, entry.code % 100)), entry.name);
        for (const MovableHoliday& entry : MovablePublicHolidays) {
            ASSERT_EQ(movablePublicHolidayName(easterSunday(year) + entry.offset), entry.name);
            ASSERT_TRUE(isPublicHoliday(easterSunday(year) + entry.offset));
        }
        for (const MovableHoliday& entry : MovableFeastDays)
            ASSERT_EQ(movableFeastName(easterSunday(year) + entry.offset), entry.name);
        for (const MovableHoliday& entry : AdventFeastDays)
            ASSERT_EQ(adventFeastName(firstAdventDayNumber(year) + entry.offset), entry.name);
    }
}

TEST(Holidays, FirstAdventIsTheSundayOnOrBeforeThirdDecember) {
    for (int year = 1970; year <= 2037; ++year) {
        const DayNumber advent = firstAdventDayNumber(year);
        ASSERT_EQ(weekdayOf(advent), Weekday::Sunday);
        ASSERT_LE(advent, on(year, 12, 3));
        ASSERT_GT(advent, on(year, 12, 3) - 7);
    }
    // Volkstrauertag and Buß- und Bettag keep their weekdays.
    EXPECT_EQ(weekdayOf(firstAdventDayNumber(2020) - 11), Weekday::Wednesday);
}

TEST(Holidays, PublicHolidaysPerYear) {
    // Eight fixed and seven movable days, all distinct except when Ascension meets 1 May.
    for (int year = 1970; year <= 2037; ++year) {
        int count = 0;
        for (DayNumber day = on(year, 1, 1); day <= on(year, 12, 31); ++day)
            count += isPublicHoliday(day);
        const bool ascensionOnMayDay = easterSunday(year) + 39 == on(year, 5, 1);
        EXPECT_EQ(count, ascensionOnMayDay ? 14 : 15) << year;
    }
}

TEST(Holidays, DayAndMonthText) {
    EXPECT_EQ(dayAndMonthText(5, 1), "5. Januar");
    EXPECT_EQ(dayAndMonthText(24, 12), "24. Dezember");
    EXPECT_EQ(dayAndMonthText(1, 3), "1. März");
}

} // namespace
} // namespace tp
