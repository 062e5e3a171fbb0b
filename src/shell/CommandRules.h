#pragma once

#include <optional>

namespace tp {

inline constexpr int kSheetCalendarType = 5;     // shown as the half-year shift plan sheet
inline constexpr int kFewestLastColumnIndex = 5; // six month columns
inline constexpr int kMostLastColumnIndex = 23;  // 24 month columns

// Days by which a navigation command moves the first displayed month, or nothing when the
// command does not apply to the calendar type (or is no navigation command).
std::optional<int> viewShiftDays(int command, int calendarType, int lastColumnIndex);

// Whether the arrow keys, "<Monat", "Monat>", "+", "-" and the background colour work.
constexpr bool showsMonthColumns(int calendarType) {
    return calendarType != kSheetCalendarType;
}

// The last column index after one column more (+1) or less (-1), or nothing when that
// would leave 6..24 columns.
std::optional<int> steppedLastColumnIndex(int lastColumnIndex, int delta);

// The calendar type after one of the type keys N, B, M, V, C, X; other commands keep it.
int calendarTypeAfterCommand(int calendarType, int command);

// The "UB" toggle exists only for the systems with a rotating block vacation.
constexpr bool showsVacationBlockToggle(int calendarType) {
    return calendarType == 0 || calendarType == 1 || calendarType == 3 || calendarType == 4;
}

} // namespace tp
