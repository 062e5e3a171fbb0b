#include "accounts/CrewDutyOfDay.h"

namespace tp {

DayNumber blockVacationStartOfYear(const ShiftSystem& system, int year) {
    return computeBlockVacationStart(system, year);
}

int crewDutyOfDay(const ShiftSystem& system, DayNumber day, int crew) {
    if (crew < 0 || crew >= crewCount(system.calendarType))
        return FreeWeek;
    return crewDutiesOfDay(system, day, true).crews[static_cast<std::size_t>(crew)];
}

} // namespace tp
