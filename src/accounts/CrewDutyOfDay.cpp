#include "accounts/CrewDutyOfDay.h"

namespace tp {

CalendarType calendarTypeOf(const ShiftSystem& system) {
    return calendarTypeFromNumber(system.calendarType).value_or(CalendarType::WendringPm1);
}

DayNumber blockVacationStartOfYear(const ShiftSystem& system, int year) {
    return computeBlockVacationStart(system, year);
}

int crewDutyOfDay(const ShiftSystem& system, DayNumber day, int crew) {
    if (crew < 0 || crew >= kCrewCount)
        return FreeWeek;
    CrewShifts crews;
    crews.fill(FreeWeek);
    const int year = civilFromDayNumber(day).year;
    computeCrewShifts(system, day, true, blockVacationStartOfYear(system, year), crews);
    return crews[static_cast<std::size_t>(crew)];
}

} // namespace tp
