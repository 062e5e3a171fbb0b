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
    return weekdayOf(day) == Weekday::Sunday;
}

} // namespace

YearlyCrewHours computeYearlyCrewHours(const ShiftSystem& system, int year) {
    YearlyCrewHours hours{};
    if (isFourCrew(system.calendarType))
        return hours;
    const DayNumber blockStart = computeBlockVacationStart(system, year);
    const bool sundaySupplement = system.calendarType != CalendarType::WendringTwoShift;
    for (int month = 1; month <= 12; ++month) {
        const auto column = static_cast<std::size_t>(month - 1);
        const DayNumber firstDay = dayNumberOf(year, month, 1);
        for (DayNumber day = firstDay; day < firstDay + monthLength(year, month); ++day) {
            const CrewShifts crews = crewDutiesOfDay(system, day, true).crews;
            const bool inBlock = day >= blockStart && day < blockStart + kBlockVacationDays;
            const int dayHours =
                kShiftHours + (sundaySupplement && isSunday(day) ? kSundaySupplementHours : 0);
            for (std::size_t crew = 0; crew < crews.size(); ++crew) {
                const bool onBlockVacation = inBlock && crews[crew] == FreeWeek;
                if (!isShiftDay(crews[crew]) && !onBlockVacation)
                    continue;
                hours[crew][column] += dayHours;
                hours[crew][kYearTotalColumn] += dayHours;
            }
        }
    }
    return hours;
}

TwoShiftYearlyCrewHours computeTwoShiftYearlyCrewHours(const ShiftSystem& system, int year) {
    ShiftSystem twoShift = system;
    twoShift.calendarType = CalendarType::WendringTwoShift;
    TwoShiftYearlyCrewHours hours{};
    for (int month = 1; month <= 12; ++month) {
        const auto column = static_cast<std::size_t>(month - 1);
        const DayNumber firstDay = dayNumberOf(year, month, 1);
        for (DayNumber day = firstDay; day < firstDay + monthLength(year, month); ++day) {
            const CrewShifts crews = crewDutiesOfDay(twoShift, day, false).crews;
            for (std::size_t crew = 0; crew < hours.size(); ++crew) {
                if (crews[crew] != EarlyShift && crews[crew] != LateShift)
                    continue;
                hours[crew][column] += kTwoShiftHours;
                hours[crew][kYearTotalColumn] += kTwoShiftHours;
            }
        }
    }
    return hours;
}

} // namespace tp
