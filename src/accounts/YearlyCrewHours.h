#pragma once

#include "model/ShiftSystem.h"

#include <array>

namespace tp {

inline constexpr int kYearTotalColumn = 12; // after the months January .. December (0..11)
inline constexpr int kTwoShiftCrewCount = 3;

// Planned hours of crews 0..4 ("Rot" .. "Braun") per month and for the whole year.
using YearlyCrewHours = std::array<std::array<int, kYearTotalColumn + 1>, kCrewCount>;

// Planned hours of the three crews of the two-shift calendar.
using TwoShiftYearlyCrewHours =
    std::array<std::array<float, kYearTotalColumn + 1>, kTwoShiftCrewCount>;

// Hours each crew works in `year` by the plan of the five-crew calendars, vacation block
// applied: 8 for every shift day and 4 more on a Sunday (not under the two-shift calendar).
// A day of the crew's own block vacation counts like a shift day, so the block does not
// cost a crew hours. Plant holidays are not taken off: these are the hours of the plan.
// The four-crew calendars give no hours.
YearlyCrewHours computeYearlyCrewHours(const ShiftSystem& system, int year);

// The same for the two-shift calendar: 8.5 hours for every early or late shift day, no
// Sunday supplement and no vacation block.
TwoShiftYearlyCrewHours computeTwoShiftYearlyCrewHours(const ShiftSystem& system, int year);

} // namespace tp
