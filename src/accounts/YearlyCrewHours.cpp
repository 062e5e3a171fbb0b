#include "accounts/YearlyCrewHours.h"

namespace tp {

namespace {

constexpr int kBlockVacationDays = 140;
constexpr int kShiftHours = 8;
constexpr int kSundaySupplementHours = 4;
constexpr float kTwoShiftHours = 8.5f;

bool isShiftDay(int code) {
    return code == EarlyShift || code == LateShift || code == NightShift;
}

bool isSunday(DayNumber day) {
    return weekdaySundayBased(day) == 0;
}

} // namespace

YearlyCrewHours computeYearlyCrewHours(const ShiftSystem& system, int year) {
    YearlyCrewHours hours{};
    const DayNumber blockStart = computeBlockVacationStart(system, year);
    const bool sundaySupplement = system.calendarType != 2;
    for (int monthIndex = 0; monthIndex < 12; ++monthIndex) {
        const DayNumber firstDay = dayNumberOf(year, monthIndex + 1, 1);
        for (DayNumber day = firstDay; day < firstDay + monthLength(year, monthIndex); ++day) {
            CrewShifts crews;
            crews.fill(FreeDay); // what the four-crew and two-shift calendars leave untouched
            computeCrewShifts(system, day, true, blockStart, crews);
            const bool inBlock = day >= blockStart && day < blockStart + kBlockVacationDays;
            const int dayHours =
                kShiftHours + (sundaySupplement && isSunday(day) ? kSundaySupplementHours : 0);
            for (std::size_t crew = 0; crew < crews.size(); ++crew) {
                const bool onBlockVacation = inBlock && crews[crew] == FreeWeek;
                if (!isShiftDay(crews[crew]) && !onBlockVacation)
                    continue;
                hours[crew][static_cast<std::size_t>(monthIndex)] += dayHours;
                hours[crew][kYearTotalColumn] += dayHours;
            }
        }
    }
    return hours;
}

TwoShiftYearlyCrewHours computeTwoShiftYearlyCrewHours(const ShiftSystem& system, int year) {
    ShiftSystem twoShift = system;
    twoShift.calendarType = 2;
    TwoShiftYearlyCrewHours hours{};
    for (int monthIndex = 0; monthIndex < 12; ++monthIndex) {
        const DayNumber firstDay = dayNumberOf(year, monthIndex + 1, 1);
        for (DayNumber day = firstDay; day < firstDay + monthLength(year, monthIndex); ++day) {
            CrewShifts crews;
            crews.fill(FreeDay);
            computeCrewShifts(twoShift, day, false, 0, crews);
            for (std::size_t crew = 0; crew < hours.size(); ++crew) {
                if (crews[crew] != EarlyShift && crews[crew] != LateShift)
                    continue;
                hours[crew][static_cast<std::size_t>(monthIndex)] += kTwoShiftHours;
                hours[crew][kYearTotalColumn] += kTwoShiftHours;
            }
        }
    }
    return hours;
}

} // namespace tp
