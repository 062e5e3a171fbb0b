#pragma once

#include "model/CalendarType.h"

#include <optional>

namespace tp {

// Days by which a navigation command moves the first displayed month, or nothing when the
// command does not apply to the calendar type (or is no navigation command).
std::optional<int> viewShiftDays(int command, CalendarType type, int lastColumnIndex);

// Whether the arrow keys, "<Monat", "Monat>", "+", "-" and the background colour work.
constexpr bool showsMonthColumns(CalendarType type) {
    return !isSheet(type);
}

// The last column index after one column more (+1) or less (-1), or nothing when that
// would leave 6..24 columns.
std::optional<int> steppedLastColumnIndex(int lastColumnIndex, int delta);

// The calendar type after one of the type keys N, B, M, V, C, X; other commands keep it.
CalendarType calendarTypeAfterCommand(CalendarType type, int command);

} // namespace tp
