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

ShownDays neighbouringPagesDays(const ViewPosition& view, int lastColumnIndex) {
    const int columns = lastColumnIndex + 1;
    const int firstMonths = view.year * 12 + view.month - 1 - columns;
    const int lastMonths = firstMonths + 3 * columns - 1;
    const int lastYear = lastMonths / 12;
    const int lastMonth = lastMonths % 12 + 1;
    return {std::max(dayNumberOf(firstMonths / 12, firstMonths % 12 + 1, 1), kFirstSupportedDay),
            std::min(dayNumberOf(lastYear, lastMonth, monthLength(lastYear, lastMonth)),
                     kLastSupportedDay)};
}

ShownDays shownDays(const ViewPosition& view, int lastColumnIndex, CalendarType type) {
    int firstMonth = view.month;
    int monthCount = lastColumnIndex + 1;
    if (isSheet(type)) {
        firstMonth = view.month <= 6 ? 1 : 7;
        monthCount = 6;
    }
    const int lastMonths = view.year * 12 + (firstMonth - 1) + monthCount - 1;
    const int lastYear = lastMonths / 12;
    const int lastMonth = lastMonths % 12 + 1;
    return {dayNumberOf(view.year, firstMonth, 1),
            std::min(dayNumberOf(lastYear, lastMonth, monthLength(lastYear, lastMonth)),
                     kLastSupportedDay)};
}

} // namespace tp
