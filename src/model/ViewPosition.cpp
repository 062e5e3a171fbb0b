#include "model/ViewPosition.h"

#include <algorithm>

namespace tp {

WorkingDate cursorMonth(const ViewPosition& view) {
    const int months = view.year * 12 + (view.month - 1) + view.cursorColumn;
    return firstOfMonth(months / 12, months % 12 + 1);
}

void moveViewByDays(ViewPosition& view, int days) {
    WorkingDate date = firstOfMonth(view.year, view.month);
    date.dayNumber = std::clamp(date.dayNumber + days, kFirstSupportedDay, kLastSupportedDay);
    setFromDayNumber(date);
    setFirstOfMonth(date);
    view.year = date.year;
    view.month = date.month;
    view.cursorDay = std::min(view.cursorDay, 28);
}

void showDayFirst(ViewPosition& view, DayNumber dayNumber) {
    const WorkingDate date =
        workingDateOf(std::clamp(dayNumber, kFirstSupportedDay, kLastSupportedDay));
    view.year = date.year;
    view.month = date.month;
    view.cursorColumn = 0;
    view.cursorDay = date.day;
}

} // namespace tp
