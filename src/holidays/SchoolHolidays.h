#pragma once

#include "holidays/SchoolHolidayTable.h"

#include <optional>
#include <string>

namespace tp {

// Whether the date (month 1..12) lies in one of the stored school holiday periods.
bool isSchoolHoliday(int year, int month, int day);

// "24. Dezember" for a table entry, "?" for an entry not yet known.
std::string formatTableDate(int entry);

// The periods of the row that belongs to `year`, if the table has one.
std::optional<std::array<SchoolHolidayPeriod, 6>> schoolHolidaysOfYear(int year);

} // namespace tp
