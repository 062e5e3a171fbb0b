#pragma once

#include "model/CalendarType.h"

#include <array>
#include <cstdint>

namespace tp {

// Duty of a crew on one day.
enum ShiftCode : int {
    FreeWeek = 0, // the free week of a five-crew system; a free day of the two-shift system
    EarlyShift = 1,
    LateShift = 2,
    NightShift = 3,
    FreeDay = 4,
    VacationFreeDay = 5, // free day of the crew on block vacation
};

inline constexpr int kPatternLength = 35;

// Duty at each position of a crew's cycle, stored column after column (35 positions each);
// column c serves the calendar types named in its comment.
inline constexpr std::array<std::int8_t, kPatternLength * kCalendarTypeCount> ShiftPatternBytes{
    // column 0: types 0 (transition window), 28 days
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 2, 2, 4, 4, 1, 1, 1, 3, 3, 3, 3, 4, 4, 4, 0, 0, 0, 0,
    0, 0, 0,
    // column 1: types 0 and 1, 35 days
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 2, 2, 4, 4, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3,
    4, 4, 4,
    // column 2: type 2, two shifts, 21 days
    0, 1, 1, 1, 2, 2, 2, 2, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0,
    // column 3: type 3 (transition window), 28 days
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 3, 3, 4, 4, 1, 1, 1, 2, 2, 3, 3, 4, 4, 4, 0, 0, 0, 0,
    0, 0, 0,
    // column 4: types 3 and 4, 35 days
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 3, 3, 4, 4, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 2, 2, 3, 3,
    4, 4, 4,
    // column 5: type 5, 35 days
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 2, 2, 4, 4, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 3, 3, 3, 3,
    4, 4, 4,
    // column 6: type 6, 28 days
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 3, 3, 4, 4, 1, 1, 1, 2, 2, 3, 3, 4, 4, 4, 0, 0, 0, 0,
    0, 0, 0,
    // column 7: type 7, 28 days
    1, 1, 2, 2, 3, 3, 3, 4, 4, 1, 1, 2, 2, 4, 3, 3, 4, 4, 1, 1, 1, 2, 2, 3, 3, 4, 4, 4, 0, 0, 0, 0,
    0, 0, 0};

constexpr int shiftPattern(int position, int column) {
    return ShiftPatternBytes[static_cast<std::size_t>(column * kPatternLength + position)];
}

static_assert(shiftPattern(10, 1) == 1 && shiftPattern(31, 1) == 3 && shiftPattern(28, 4) == 2);
static_assert(shiftPattern(20, 2) == 0 && shiftPattern(7, 2) == 2);

} // namespace tp
