#include "accounts/YearlyCrewHours.h"

#include <gtest/gtest.h>

#include <numeric>

namespace tp {
namespace {

constexpr std::array kFiveCrewTypes{0, 1, 3, 4, 5};

// Planned hours without the vacation block: only shift days count.
std::array<int, kCrewCount> yearHoursWithoutBlock(const ShiftSystem& system, int year) {
    std::array<int, kCrewCount> hours{};
    for (DayNumber day = firstDayOfYear(year); day < firstDayOfYear(year + 1); ++day) {
        CrewShifts crews{};
        computeCrewShifts(system, day, false, 0, crews);
        for (std::size_t crew = 0; crew < crews.size(); ++crew)
            if (crews[crew] >= EarlyShift && crews[crew] <= NightShift)
                hours[crew] += weekdayOf(day) == Weekday::Sunday ? 12 : 8;
    }
    return hours;
}

TEST(YearlyCrewHours, MonthsAddUpToTheYear) {
    for (int type : kFiveCrewTypes) {
        ShiftSystem system;
        system.calendarType = *calendarTypeFromNumber(type);
        for (int year = kFirstSupportedYear; year <= kLastSupportedYear; ++year) {
            const YearlyCrewHours hours = computeYearlyCrewHours(system, year);
            for (const auto& crew : hours)
                ASSERT_EQ(std::accumulate(crew.begin(), crew.begin() + 12, 0),
                          crew[kYearTotalColumn])
                    << "type " << type << ", " << year;
        }
    }
}

// Outside the block a weekday has three shifts of 8 hours and a Sunday two of 12 (no late
// shift), so every day holds 24 hours; plant holidays do not lower the plan.
TEST(YearlyCrewHours, MonthsOutsideTheBlockHoldThreeShiftsADay) {
    for (int type : kFiveCrewTypes) {
        ShiftSystem system;
        system.calendarType = *calendarTypeFromNumber(type);
        for (int year = kFirstSupportedYear; year <= kLastSupportedYear; ++year) {
            const YearlyCrewHours hours = computeYearlyCrewHours(system, year);
            const DayNumber blockStart = computeBlockVacationStart(system, year);
            for (int month = 0; month < 12; ++month) {
                const DayNumber first = dayNumberOf(year, month + 1, 1);
                const DayNumber end = first + monthLength(year, month + 1);
                const bool touchesBlock = end > blockStart && first < blockStart + 140;
                const bool inTransition = (type == 0 || type == 3) && isInTransitionWindow(first);
                if (touchesBlock || inTransition)
                    continue;
                int allCrews = 0;
                for (const auto& crew : hours)
                    allCrews += crew[static_cast<std::size_t>(month)];
                ASSERT_EQ(allCrews, 24 * (end - first))
                    << "type " << type << ", " << year << "-" << month + 1;
            }
        }
    }
}

TEST(YearlyCrewHours, BlockVacationNeverCostsACrewHours) {
    for (int type : {1, 5}) {
        ShiftSystem system;
        system.calendarType = *calendarTypeFromNumber(type);
        for (int year = kFirstSupportedYear; year <= kLastSupportedYear; ++year) {
            const YearlyCrewHours withBlock = computeYearlyCrewHours(system, year);
            const auto withoutBlock = yearHoursWithoutBlock(system, year);
            for (std::size_t crew = 0; crew < kCrewCount; ++crew)
                ASSERT_GE(withBlock[crew][kYearTotalColumn], withoutBlock[crew])
                    << "type " << type << ", " << year << ", crew " << crew;
        }
    }
}

TEST(YearlyCrewHours, KnownYear) {
    ShiftSystem system;
    system.calendarType = CalendarType::WendringStandardSheet;
    const YearlyCrewHours hours = computeYearlyCrewHours(system, 2026);
    const std::array<int, kCrewCount> totals{1884, 1904, 1904, 1888, 1880};
    for (std::size_t crew = 0; crew < kCrewCount; ++crew)
        EXPECT_EQ(hours[crew][kYearTotalColumn], totals[crew]) << crew;
    // January 2026 lies before the block: crew 0 ("Rot") works 5-8, 12-18, 21-24, 26-27 and
    // 30-31 January, 19 days with one Sunday (the 18th).
    EXPECT_EQ(hours[0][0], 19 * 8 + 4);
}

TEST(YearlyCrewHours, FourCrewCalendarsHaveNoFiveCrewHours) {
    for (int type : {6, 7}) {
        ShiftSystem system;
        system.calendarType = *calendarTypeFromNumber(type);
        EXPECT_EQ(computeYearlyCrewHours(system, 2026), YearlyCrewHours{}) << type;
    }
}

TEST(YearlyCrewHours, TwoShiftCalendarHasTwoShiftsOfEightAndAHalfHours) {
    ShiftSystem system;
    system.calendarType = CalendarType::WendringTwoShift;
    for (int year : {1970, 2000, 2024, 2026, 2037}) {
        const TwoShiftYearlyCrewHours hours = computeTwoShiftYearlyCrewHours(system, year);
        for (int month = 0; month < 12; ++month) {
            float allCrews = 0;
            for (const auto& crew : hours)
                allCrews += crew[static_cast<std::size_t>(month)];
            EXPECT_EQ(allCrews, 17.0f * static_cast<float>(monthLength(year, month + 1)))
                << year << "-" << month + 1;
        }
        float yearTotal = 0;
        for (const auto& crew : hours)
            yearTotal += crew[kYearTotalColumn];
        EXPECT_EQ(yearTotal, 17.0f * static_cast<float>(isLeapYear(year) ? 366 : 365)) << year;
    }
    // The five-crew sum under the two-shift calendar has no Sunday supplement.
    for (const auto& crew : computeYearlyCrewHours(system, 2026))
        for (int value : crew)
            EXPECT_EQ(value % 8, 0);
}

} // namespace
} // namespace tp
