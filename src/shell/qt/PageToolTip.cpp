#include "shell/qt/PageToolTip.h"

#include "accounts/ShiftSlotText.h"
#include "shell/CommandRules.h"

namespace tp {

QString pageToolTip(const SessionState& state, const DayCellTable& cells, QPoint client) {
    const LayoutUnits units = state.units;
    if (!showsMonthColumns(state.calendarType) || units.w <= 0 || units.h <= 0 || client.x() < 0 ||
        client.y() < 0)
        return {};
    const int column = columnAtClientX(units, client.x());
    const int day = dayRowAtClientY(units, client.y());
    if (column > state.lastColumnIndex || day < 1 || !cells.isPresent(column, day))
        return {};
    const int slot = shiftSlotAtClientX(units, client.x(), column);
    if (slot == 0)
        return {};
    ViewPosition inColumn = state.view;
    inColumn.cursorColumn = column;
    const DayNumber dayNumber = cursorMonth(inColumn).dayNumber + day - 1;
    return QString::fromStdString(shiftSlotText(shiftSystemOf(state), dayNumber, slot));
}

} // namespace tp
