#include "shell/CursorMoves.h"

#include <algorithm>

namespace tp {

namespace {

constexpr int kLastDay = 31;
constexpr int kHeadingRows = 3; // the navigation row and the month heading above day 1

} // namespace

void applyCursorMove(ViewPosition& view, int lastColumnIndex, CursorMove move,
                     const DayCellTable& cells) {
    if (move.columns == -1 && (move.days == -1 || move.days > 0))
        return;
    int column = std::clamp(view.cursorColumn + move.columns, 0, lastColumnIndex);
    int day = view.cursorDay + move.days;
    bool movedPastMonthEnd = false;

    if (day > kLastDay) {
        day = kLastDay;
        movedPastMonthEnd = true;
    }
    if (day < 1) {
        if (column == 0) {
            day = 1;
        } else {
            --column;
            day = kLastDay;
        }
    }
    const int presentDay = lastPresentDayAtOrBefore(cells, column, day);
    movedPastMonthEnd = movedPastMonthEnd || presentDay != day;
    day = presentDay;
    if (move.days > 0 && movedPastMonthEnd && column < lastColumnIndex) {
        ++column;
        day = 1;
    }
    view.cursorColumn = column;
    view.cursorDay = day;
}

int placeCursorAtMouse(ViewPosition& view, int lastColumnIndex, LayoutUnits units, int x, int y,
                       const DayCellTable& cells) {
    if (units.w <= 0 || units.h <= 0 || x < 0 || y < 0)
        return 0;
    const int column = std::min(columnAtClientX(units, x), lastColumnIndex);
    const int row = dayRowAtClientY(units, y);

    if (column == view.cursorColumn && row == view.cursorDay)
        return shiftSlotAtClientX(units, x, column);
    const int day = y < kHeadingRows * units.h ? 1 : std::min(row, kLastDay);
    view.cursorColumn = column;
    view.cursorDay = lastPresentDayAtOrBefore(cells, column, day);
    return 0;
}

CursorMove selectToday(ViewPosition& view, const CivilDate& today) {
    view.year = today.year;
    view.month = today.month;
    view.cursorColumn = 0;
    view.cursorDay = 0;
    return {0, today.day};
}

} // namespace tp
