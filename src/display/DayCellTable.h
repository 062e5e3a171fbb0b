#pragma once

#include <cstdint>
#include <vector>

namespace tp {

// A day written as year × 10000 + month index × 100 + day with the 0-based month index that
// the note files use (24 December 2016 is 20161124).
using DateCode = std::int32_t;

// The code of a date (month 1..12).
constexpr DateCode dayCellCode(int year, int month, int day) {
    return year * 10000 + (month - 1) * 100 + day;
}

// What the page drew in each day cell: 31 entries per month column, entry (column, day − 1).
// A zero entry means the column's month has no such day.
class DayCellTable {
  public:
    static constexpr int kDaysPerColumn = 31;

    DayCellTable() = default;
    explicit DayCellTable(int columnCount) { resize(columnCount); }

    // Keeps the entries of the columns that remain; new columns start empty.
    void resize(int columnCount);
    int columnCount() const { return columnCount_; }

    void clearColumn(int column);
    void set(int column, int day, DateCode code);

    // 0 for a day the column does not hold or for a cell outside the table.
    DateCode at(int column, int day) const;
    bool isPresent(int column, int day) const { return at(column, day) != 0; }

  private:
    int columnCount_ = 0;
    std::vector<DateCode> cells_;
};

// Cursor day that a click or a cursor move may land on: from `day` downwards while the day
// is 29 or later and absent from the column.
int lastPresentDayAtOrBefore(const DayCellTable& cells, int column, int day);

} // namespace tp
