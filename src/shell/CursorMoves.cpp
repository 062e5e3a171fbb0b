#include "shell/CursorMoves.h"

#include <algorithm>

namespace tp {

namespace {

constexpr int kColumnUnits = 18;
constexpr int kLastDay = 31;
constexpr int kShortestMonth = 28;
constexpr int kHeadingRows = 3; // the navigation row and the month heading above day 1

int lastPresentDayAtOrBefore(int column, int day, const DayPresence& isPresent, bool& shortened) {
    while (day > kShortestMonth && !isPresent(column, day)) {
        --day;
        shortened = true;
    }
    return day;
}

} // namespace

DayPresence monthLengthPresence(const ViewPosition& view) {
    return [view](int column, int day) {
        const int months = view.year * 12 + view.monthIndex + column;
        return day >= 1 && day <= monthLength(months / 12, months % 12);
    };
}

void applyCursorMove(ViewPosition& view, int lastColumnIndex, CursorMove move,
                     const DayPresence& isPresent) {
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
    day = lastPresentDayAtOrBefore(column, day, isPresent, movedPastMonthEnd);
    if (move.days > 0 && movedPastMonthEnd && column < lastColumnIndex) {
        ++column;
        day = 1;
    }
    view.cursorColumn = column;
    view.cursorDay = day;
}

int placeCursorAtMouse(ViewPosition& view, int lastColumnIndex, CursorUnits units, int x, int y,
                       const DayPresence& isPresent) {
    if (units.w <= 0 || units.h <= 0 || x < 0 || y < 0)
        return 0;
    const int column = std::min(x / (kColumnUnits * units.w), lastColumnIndex);
    const int row = y / units.h - 2;

    if (column == view.cursorColumn && row == view.cursorDay) {
        // Two units per slot from unit 9 of the column: units 9-10 give 1 .. 15-16 give 4.
        const int unitInColumn = x / units.w - kColumnUnits * column;
        const int slot = (unitInColumn + 1) / 2 - 4;
        return slot >= 1 && slot <= 4 ? slot : 0;
    }
    int day = y < kHeadingRows * units.h ? 1 : std::min(row, kLastDay);
    bool shortened = false;
    day = lastPresentDayAtOrBefore(column, day, isPresent, shortened);
    view.cursorColumn = column;
    view.cursorDay = day;
    return 0;
}

CursorMove selectToday(ViewPosition& view, const CivilDate& today) {
    view.year = today.year;
    view.monthIndex = today.month - 1;
    view.cursorColumn = 0;
    view.cursorDay = 0;
    return {0, today.day};
}

} // namespace tp
