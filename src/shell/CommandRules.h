#pragma once

#include "model/CalendarType.h"
#include "shell/Command.h"
#include "shell/CursorMoves.h"

#include <optional>

namespace tp {

// Days by which a navigation command moves the first displayed month, or nothing when the
// command does not apply to the calendar type (or is no navigation command).
std::optional<int> viewShiftDays(Command command, CalendarType type, int lastColumnIndex);

// The cursor move of an arrow key; nothing for other commands.
std::optional<CursorMove> cursorMoveOf(Command command);

// Whether the arrow keys, "<Monat", "Monat>", "+", "-" and the background colour work.
constexpr bool showsMonthColumns(CalendarType type) {
    return !isSheet(type);
}

// The last column index after one column more (+1) or less (-1), or nothing when that
// would leave 6..24 columns.
std::optional<int> steppedLastColumnIndex(int lastColumnIndex, int delta);

// The calendar type after one of the type keys N, B, M, V, C, X; other commands keep it.
CalendarType calendarTypeAfterCommand(CalendarType type, Command command);
constexpr bool choosesCalendarType(Command command) {
    return command >= Command::CalendarWerk && command <= Command::CalendarSheet;
}

// The column 1..4 a shift marking command marks, 0 for other commands, and back.
int shiftColumnOf(Command command);
std::optional<Command> shiftMarkingCommand(int column);

} // namespace tp
