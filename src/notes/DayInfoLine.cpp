#include "notes/DayInfoLine.h"

#include "holidays/Holidays.h"
#include "holidays/NameDays.h"

namespace tp {

namespace {
constexpr std::string_view kNamedPartSeparator = "\u00A0-\u00A0";
}

std::string dayInfoLine(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    std::string text(weekdayName(weekdayOf(day)));
    text += ", " + std::to_string(date.day) + ". ";
    text += monthName(date.month);
    text += " " + std::to_string(date.year);
    const std::string_view feast = holidayNameOfDay(day);
    if (!feast.empty()) {
        text += kNamedPartSeparator;
        text += feast;
    }
    text += kNamedPartSeparator;
    text += nameDayText(date.year, date.month, date.day);
    return text;
}

} // namespace tp
