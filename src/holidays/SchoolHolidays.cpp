#include "holidays/SchoolHolidays.h"

#include "holidays/Holidays.h"

#include <algorithm>

namespace tp {

bool isSchoolHoliday(int year, int month, int day) {
    const int key = year * 10000 + month * 100 + day;
    // Periods are stored in date order and none is longer than a row's year plus the
    // following January, so only this year's row and the one before can hold the date.
    const int lastRow = year - kFirstSchoolHolidayYear;
    for (int row = std::max(lastRow - 1, 0);
         row <= lastRow && row < static_cast<int>(SchoolHolidayTable.size()); ++row)
        for (const SchoolHolidayPeriod& period : SchoolHolidayTable[static_cast<std::size_t>(row)])
            if (period.start != 0 && period.start <= key && key <= period.end)
                return true;
    return false;
}

std::string formatTableDate(int entry) {
    if (entry < 1)
        return "?";
    return dayAndMonthText(entry % 100, entry / 100 % 100);
}

std::optional<std::array<SchoolHolidayPeriod, 6>> schoolHolidaysOfYear(int year) {
    for (const auto& row : SchoolHolidayTable)
        if (row[0].start / 10000 == year)
            return row;
    return std::nullopt;
}

} // namespace tp
