#pragma once

#include "model/DayNumber.h"

#include <string>
#include <string_view>

namespace tp {

// Each lookup gives the name of the day from one table, or the empty text.
std::string_view fixedPublicHolidayName(DayNumber day);
std::string_view movablePublicHolidayName(DayNumber day);
std::string_view fixedFeastName(DayNumber day);
std::string_view movableFeastName(DayNumber day);
std::string_view adventFeastName(DayNumber day);

DayNumber firstAdventDayNumber(int year);

// Name of the public holiday on `day` (fixed table first), or empty.
std::string_view publicHolidayName(DayNumber day);
inline bool isPublicHoliday(DayNumber day) {
    return !publicHolidayName(day).empty();
}

// The one name the day bears: movable feasts and holidays come before fixed ones.
std::string_view holidayNameOfDay(DayNumber day);

// "24. Dezember": the form of the holiday and school-holiday lists.
std::string dayAndMonthText(int day, int month);

} // namespace tp
