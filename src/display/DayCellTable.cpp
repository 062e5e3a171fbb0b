#include "display/DayCellTable.h"

#include <algorithm>

namespace tp {

void DayCellTable::resize(int columnCount) {
    columnCount_ = std::max(0, columnCount);
    cells_.resize(static_cast<std::size_t>(columnCount_) * kDaysPerColumn, 0);
}

void DayCellTable::clearColumn(int column) {
    if (column < 0 || column >= columnCount_)
        return;
    const auto first = cells_.begin() + column * kDaysPerColumn;
    std::fill(first, first + kDaysPerColumn, 0);
}

void DayCellTable::set(int column, int day, DateCode code) {
    if (column < 0 || column >= columnCount_ || day < 1 || day > kDaysPerColumn)
        return;
    cells_[static_cast<std::size_t>(column * kDaysPerColumn + day - 1)] = code;
}

DateCode DayCellTable::at(int column, int day) const {
    if (column < 0 || column >= columnCount_ || day < 1 || day > kDaysPerColumn)
        return 0;
    return cells_[static_cast<std::size_t>(column * kDaysPerColumn + day - 1)];
}

int lastPresentDayAtOrBefore(const DayCellTable& cells, int column, int day) {
    while (day >= 29 && !cells.isPresent(column, day))
        --day;
    return day;
}

} // namespace tp
