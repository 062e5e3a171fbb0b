#include "model/ShiftSystem.h"
#include "model/WorkingDate.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tp {
namespace {

CalendarType typeNumber(int number) {
    return *calendarTypeFromNumber(number);
}

CrewShifts shiftsOn(int type, DayNumber day, bool withBlock = false, MonthDay earliest = {}) {
    ShiftSystem system;
    system.calendarType = typeNumber(type);
    system.earliestVacationStart = earliest;
    CrewShifts crews{-9, -9, -9, -9, -9};
    const int year = civilFromDayNumber(day).year;
    computeCrewShifts(system, day, withBlock, computeBlockVacationStart(system, year), crews);
    return crews;
}

int countOf(const CrewShifts& crews, int code, int crewCount = kCrewCount) {
    return static_cast<int>(std::count(crews.begin(), crews.begin() + crewCount, code));
}

TEST(CrewShifts, FirstDayUnderTypeOne) {
    EXPECT_EQ(shiftsOn(1, 0), (CrewShifts{1, 4, 0, 3, 2}));
    // Type 5 uses an identical column.
    EXPECT_EQ(shiftsOn(5, 0), shiftsOn(1, 0));
}

// Mondays to Saturdays every code 0..4 has one crew; on Sundays nobody works late and two
// crews are free, as the pattern gives it.
TEST(CrewShifts, ThirtyFiveDaySystemsCoverEveryShiftOverWholeRange) {
    for (int type : {0, 1, 3, 4, 5}) {
        for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
            if ((type == 0 || type == 3) && isInTransitionWindow(day))
                continue;
            const CrewShifts crews = shiftsOn(type, day);
            if (weekdayOf(day) == Weekday::Sunday) {
                ASSERT_EQ(countOf(crews, LateShift), 0) << type << " " << day;
                ASSERT_EQ(countOf(crews, FreeDay), 2) << type << " " << day;
                ASSERT_EQ(countOf(crews, EarlyShift), 1);
                ASSERT_EQ(countOf(crews, NightShift), 1);
                ASSERT_EQ(countOf(crews, FreeWeek), 1);
            } else {
                for (int code = 0; code <= 4; ++code)
                    ASSERT_EQ(countOf(crews, code), 1) << type << " " << day << " " << code;
            }
        }
    }
}

TEST(CrewShifts, FourCrewSystemsOverWholeRange) {
    for (int type : {6, 7}) {
        for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
            CrewShifts crews{};
            for (int crew = 1; crew <= 4; ++crew)
                crews[static_cast<std::size_t>(crew - 1)] =
                    fourCrewShift(typeNumber(type), day, crew);
            if (weekdayOf(day) == Weekday::Sunday) {
                ASSERT_EQ(countOf(crews, LateShift, 4), 0) << type << " " << day;
                ASSERT_EQ(countOf(crews, FreeDay, 4), 2) << type << " " << day;
            } else {
                for (int code = 1; code <= 4; ++code)
                    ASSERT_EQ(countOf(crews, code, 4), 1) << type << " " << day;
            }
        }
    }
    // The two systems differ only in which crew follows which.
    using enum CalendarType;
    EXPECT_EQ(fourCrewShift(ValdorHalmstett, 100, 2), fourCrewShift(BrellingKarton, 100, 4));
    EXPECT_EQ(fourCrewShift(ValdorHalmstett, 100, 4), fourCrewShift(BrellingKarton, 100, 2));
}

TEST(CrewShifts, TwoShiftSystemHasOneCrewOnEachCodeAndLeavesCrewsThreeAndFour) {
    for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
        const CrewShifts crews = shiftsOn(2, day, true);
        for (int code = 0; code <= 2; ++code)
            ASSERT_EQ(countOf(crews, code, 3), 1) << day;
        ASSERT_EQ(crews[3], -9);
        ASSERT_EQ(crews[4], -9);
    }
}

TEST(CrewShifts, TransitionWindowOfTypesZeroAndThree) {
    ShiftSystem system;
    CrewShifts crews{};
    for (int type : {0, 3}) {
        system.calendarType = typeNumber(type);
        const int column = type == 0 ? 1 : 4;
        EXPECT_EQ(computeCrewShifts(system, 16435, true, 0, crews), -1);
        EXPECT_EQ(crews[1], shiftPattern((16435 + 17) % 35, column));

        EXPECT_EQ(computeCrewShifts(system, 16436, true, 0, crews), 0);
        EXPECT_EQ(crews[0], shiftPattern((16436 + 10) % 35, column));
        EXPECT_EQ(crews[1], shiftPattern((16436 + 10) % 28, type));
        EXPECT_EQ(crews[4], shiftPattern((16436 + 3) % 28, type));
        EXPECT_EQ(computeCrewShifts(system, 16494, true, 0, crews), 0);

        EXPECT_EQ(computeCrewShifts(system, 16495, true, 0, crews), -1);
        EXPECT_EQ(crews[3], shiftPattern((16495 + 31) % 35, column));
    }
    // Types 1 and 4 know no transition.
    system.calendarType = CalendarType::WendringWerk;
    EXPECT_EQ(computeCrewShifts(system, 16436, true, 0, crews), -1);
}

TEST(BlockVacation, StartWithTheDefaultEarliestDate) {
    ShiftSystem system;
    EXPECT_EQ(computeBlockVacationStart(system, 2016), dayNumberOf(2016, 4, 25));
    EXPECT_EQ(computeBlockVacationStart(system, 2017), dayNumberOf(2017, 5, 8));
    EXPECT_EQ(computeBlockVacationStart(system, 2018), dayNumberOf(2018, 5, 7));
}

// Never before the configured date, always a Monday with the first crew at cycle position 7,
// and the first such day.
TEST(BlockVacation, StartRulesForManyEarliestDates) {
    for (int year = 1970; year <= 2037; ++year) {
        for (MonthDay earliest :
             {MonthDay{4, 25}, MonthDay{5, 1}, MonthDay{1, 1}, MonthDay{6, 30}}) {
            ShiftSystem system;
            system.earliestVacationStart = earliest;
            const DayNumber start = computeBlockVacationStart(system, year);
            const DayNumber earliestDay = dayNumberOf(year, earliest.month, earliest.day);
            const int firstCrew =
                blockVacationTableOf(system.blockVacationTables, year)[year % 5][0];
            ASSERT_GE(start, earliestDay) << year;
            ASSERT_LT(start, earliestDay + 35) << year;
            ASSERT_EQ(weekdayOf(start), Weekday::Monday) << year;
            ASSERT_EQ((start + CrewPhaseOffsets[static_cast<std::size_t>(firstCrew)]) % 35, 7)
                << year;
        }
    }
}

// Inside the block the vacationing crew is off (0 or 5), its shift is taken over by the
// free-week crew, and the shifts worked that day stay the same.
TEST(BlockVacation, SwapsTheVacationingCrewWithTheFreeWeekCrew) {
    for (int type : {0, 1, 3, 4, 5}) {
        ShiftSystem system;
        system.calendarType = typeNumber(type);
        for (int year = 1970; year <= 2037; ++year) {
            const DayNumber start = computeBlockVacationStart(system, year);
            for (DayNumber day = start; day < start + 140; ++day) {
                CrewShifts plain{}, withBlock{};
                computeCrewShifts(system, day, false, start, plain);
                computeCrewShifts(system, day, true, start, withBlock);
                const int vacationing = blockVacationTableOf(
                    system.blockVacationTables,
                    year)[year % 5][static_cast<std::size_t>((day - start) / 28)];
                const int vacationCode = withBlock[static_cast<std::size_t>(vacationing)];
                ASSERT_TRUE(vacationCode == FreeWeek || vacationCode == VacationFreeDay);
                for (int code : {EarlyShift, LateShift, NightShift})
                    ASSERT_EQ(countOf(plain, code), countOf(withBlock, code)) << year << " " << day;
                const auto freeWeekCrew = static_cast<std::size_t>(
                    std::find(plain.begin(), plain.end(), FreeWeek) - plain.begin());
                if (freeWeekCrew == static_cast<std::size_t>(vacationing)) {
                    const Weekday weekday = weekdayOf(day);
                    ASSERT_EQ(vacationCode,
                              weekday >= Weekday::Tuesday && weekday <= Weekday::Friday
                                  ? FreeWeek
                                  : VacationFreeDay);
                    for (std::size_t crew = 0; crew < plain.size(); ++crew) {
                        if (crew != freeWeekCrew) {
                            ASSERT_EQ(plain[crew], withBlock[crew]);
                        }
                    }
                } else {
                    const int wouldHave = plain[static_cast<std::size_t>(vacationing)];
                    ASSERT_EQ(withBlock[freeWeekCrew], wouldHave);
                    ASSERT_EQ(vacationCode, wouldHave == FreeDay ? VacationFreeDay : FreeWeek);
                }
            }
            // Outside the block nothing changes.
            CrewShifts plain{}, withBlock{};
            computeCrewShifts(system, start - 1, false, start, plain);
            computeCrewShifts(system, start - 1, true, start, withBlock);
            ASSERT_EQ(plain, withBlock);
            computeCrewShifts(system, start + 140, false, start, plain);
            computeCrewShifts(system, start + 140, true, start, withBlock);
            ASSERT_EQ(plain, withBlock);
        }
    }
}

// One answer for every type: the crews it has, the block where it has one, the crew outside
// the rotation, and a free day in the places of crews it does not have.
TEST(CrewDutiesOfDay, AnswersForEveryType) {
    const DayNumber blockDay = computeBlockVacationStart(ShiftSystem{}, 2016) + 3;
    for (int number = 0; number < kCalendarTypeCount; ++number) {
        ShiftSystem system;
        system.calendarType = typeNumber(number);
        const int crews = crewCount(system.calendarType);
        for (const DayNumber day : {DayNumber{16436}, blockDay}) {
            SCOPED_TRACE(::testing::Message() << "type " << number << " day " << day);
            const CrewDuties duties = crewDutiesOfDay(system, day, true);
            for (int crew = crews; crew < kCrewCount; ++crew)
                EXPECT_EQ(duties.crews[static_cast<std::size_t>(crew)], FreeDay);
            if (isFourCrew(system.calendarType)) {
                for (int crew = 1; crew <= 4; ++crew)
                    EXPECT_EQ(duties.crews[static_cast<std::size_t>(crew - 1)],
                              fourCrewShift(system.calendarType, day, crew));
                EXPECT_EQ(duties.crewOutside, -1);
                continue;
            }
            const bool block = day == blockDay && hasVacationBlock(system.calendarType);
            const CrewShifts expected = shiftsOn(number, day, block);
            EXPECT_TRUE(
                std::equal(expected.begin(), expected.begin() + crews, duties.crews.begin()));
            const bool outside = day == 16436 && hasTransitionWindow(system.calendarType);
            EXPECT_EQ(duties.crewOutside, outside ? 0 : -1);
        }
    }
    // Without the block the plain rotation shows.
    ShiftSystem sheet;
    sheet.calendarType = CalendarType::WendringStandardSheet;
    EXPECT_EQ(crewDutiesOfDay(sheet, blockDay, false).crews, shiftsOn(5, blockDay));
    EXPECT_NE(crewDutiesOfDay(sheet, blockDay, true).crews, shiftsOn(5, blockDay));
}

TEST(CalendarType, QuestionsOfEveryType) {
    struct Answers {
        int crews;
        bool sheet, block, toggle, accounts, transition;
    };
    constexpr std::array<Answers, kCalendarTypeCount> expected{{
        {5, false, true, true, true, true},
        {5, false, true, true, true, false},
        {3, false, false, false, true, false},
        {5, false, true, true, true, true},
        {5, false, true, true, true, false},
        {5, true, true, false, true, false},
        {4, false, false, false, false, false},
        {4, false, false, false, false, false},
    }};
    for (int number = 0; number < kCalendarTypeCount; ++number) {
        const CalendarType type = typeNumber(number);
        const Answers& a = expected[static_cast<std::size_t>(number)];
        EXPECT_EQ(numberOf(type), number);
        EXPECT_EQ(crewCount(type), a.crews) << number;
        EXPECT_EQ(crewCount(type), calendarTypeInfo(type).crews) << number;
        EXPECT_EQ(isSheet(type), a.sheet) << number;
        EXPECT_EQ(hasVacationBlock(type), a.block) << number;
        EXPECT_EQ(showsVacationBlockToggle(type), a.toggle) << number;
        EXPECT_EQ(hasAccounts(type), a.accounts) << number;
        EXPECT_EQ(hasTransitionWindow(type), a.transition) << number;
    }
    EXPECT_FALSE(calendarTypeFromNumber(-1));
    EXPECT_FALSE(calendarTypeFromNumber(8));
}

TEST(BlockVacation, TablesChosenByYear) {
    const BlockVacationTables& tables = DefaultBlockVacationTables;
    EXPECT_EQ(&blockVacationTableOf(tables, 2016), &tables[0]);
    EXPECT_EQ(&blockVacationTableOf(tables, 2017), &tables[1]);
    EXPECT_EQ(&blockVacationTableOf(tables, 2027), &tables[1]);
    EXPECT_EQ(&blockVacationTableOf(tables, 2028), &tables[2]);
    // Each row of each table is an order of all five crews.
    for (const auto& table : tables)
        for (auto row : table) {
            std::sort(row.begin(), row.end());
            EXPECT_EQ(row, (std::array<int, 5>{0, 1, 2, 3, 4}));
        }
}

struct CancelCase {
    int year, month, day;
    bool early, late, night;
};

TEST(PlantHolidays, CancelledShifts) {
    const CancelCase cases[] = {
        {2016, 12, 24, false, true, true}, {2016, 12, 31, false, true, true},
        {2016, 4, 30, false, false, true}, {2016, 3, 27, true, true, true},
        {2016, 3, 28, true, true, true},   {2016, 3, 26, false, true, true},
        {2016, 5, 15, true, true, true},   {2016, 5, 16, true, true, true},
        {2016, 5, 14, false, false, true}, {2016, 1, 1, true, true, true},
        {2016, 5, 1, true, true, true},    {2016, 12, 25, true, true, true},
        {2016, 12, 26, true, true, true},  {2016, 3, 25, false, false, false},
        {2016, 5, 5, false, false, false}, {2016, 12, 23, false, false, false},
        {2011, 4, 23, false, true, true},
    };
    for (const CancelCase& c : cases) {
        const DayNumber day = dayNumberOf(c.year, c.month, c.day);
        EXPECT_EQ(isShiftCancelled(day, EarlyShift), c.early) << c.month << "/" << c.day;
        EXPECT_EQ(isShiftCancelled(day, LateShift), c.late) << c.month << "/" << c.day;
        EXPECT_EQ(isShiftCancelled(day, NightShift), c.night) << c.month << "/" << c.day;
    }
}

} // namespace
} // namespace tp
