#pragma once

#include "display/DayCellTable.h"
#include "display/PageGeometry.h"
#include "model/DayNumber.h"
#include "model/ViewPosition.h"

namespace tp {

struct CursorMove {
    int columns = 0;
    int days = 0;
    friend bool operator==(const CursorMove&, const CursorMove&) = default;
};

inline constexpr CursorMove kNoCursorMove{-1, -1};

// Moves the cursor by columns and days within columns 0..lastColumnIndex; `cells` says which
// days the drawn columns hold. Moving down past a month's last day continues at the 1st of
// the next column, moving up past the 1st at the last day of the previous one; the first and
// last columns stop the cursor.
void applyCursorMove(ViewPosition& view, int lastColumnIndex, CursorMove move,
                     const DayCellTable& cells);

// A click at (x, y) in client pixels of the main window. A click on the cursor day leaves
// the cursor and returns the shift slot 1..4 hit (0 outside the slots); any other click puts
// the cursor there and returns 0.
int placeCursorAtMouse(ViewPosition& view, int lastColumnIndex, LayoutUnits units, int x, int y,
                       const DayCellTable& cells);

// The day the cursor stands on.
inline DayNumber selectedDayOf(const ViewPosition& view) {
    return cursorMonth(view).dayNumber + view.cursorDay - 1;
}

// Shows the month of `today` first with no day selected; returns the move that selects today.
CursorMove selectToday(ViewPosition& view, const CivilDate& today);

} // namespace tp
