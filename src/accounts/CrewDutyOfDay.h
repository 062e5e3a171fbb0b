#pragma once

#include "model/CalendarType.h"
#include "model/ShiftSystem.h"

namespace tp {

// The accounts' one door to the shift computation.

// ShiftCode of crew 0..4 on `day` under the systems with accounts (types 0..5), with the
// vacation block of the day's own year applied. Crews a system does not have (green and
// brown under the two-shift system) have no duty: FreeWeek.
int crewDutyOfDay(const ShiftSystem& system, DayNumber day, int crew);

// First day of the 140-day vacation block of `year`.
DayNumber blockVacationStartOfYear(const ShiftSystem& system, int year);

inline constexpr int kBlockVacationDays = 140;

constexpr bool worksAShift(int shiftCode) {
    return shiftCode == EarlyShift || shiftCode == LateShift || shiftCode == NightShift;
}

} // namespace tp
