#include "holidays/NameDays.h"

#include "holidays/NameDayTable.h"
#include "model/DayNumber.h"

namespace tp {

std::string_view nameDayText(int year, int month, int day) {
    int index = dayNumberOf(year, month, day) - firstDayOfYear(year);
    if (index > 58 && !isLeapYear(year))
        ++index; // 29 February's entry is skipped in common years
    return NameDayTable[static_cast<std::size_t>(index)];
}

static_assert(NameDayTable[59].starts_with("Schalttag"));

} // namespace tp
