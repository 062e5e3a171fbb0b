#include "holidays/Holidays.h"

#include "holidays/HolidayTables.h"
#include "model/WorkingDate.h"

namespace tp {

namespace {

template <typename Table> std::string_view findByKey(const Table& table, int key) {
    for (const auto& entry : table) {
        if constexpr (requires { entry.code; }) {
            if (entry.code == key)
                return entry.name;
        } else {
            if (entry.offset == key)
                return entry.name;
        }
    }
    return {};
}

int fixedCode(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    return date.month * 100 + date.day;
}

int easterOffset(DayNumber day) {
    const int year = civilFromDayNumber(day).year;
    return day - easterSunday(year);
}

int adventOffset(DayNumber day) {
    return day - firstAdventDayNumber(civilFromDayNumber(day).year);
}

} // namespace

DayNumber firstAdventDayNumber(int year) {
    const DayNumber december3 = dayNumberOf(year, 12, 3);
    return december3 - weekdaySundayBased(december3);
}

std::string_view fixedPublicHolidayName(DayNumber day) {
    return findByKey(FixedPublicHolidays, fixedCode(day));
}
std::string_view movablePublicHolidayName(DayNumber day) {
    return findByKey(MovablePublicHolidays, easterOffset(day));
}
std::string_view fixedFeastName(DayNumber day) {
    return findByKey(FixedFeastDays, fixedCode(day));
}
std::string_view movableFeastName(DayNumber day) {
    return findByKey(MovableFeastDays, easterOffset(day));
}
std::string_view adventFeastName(DayNumber day) {
    return findByKey(AdventFeastDays, adventOffset(day));
}

std::string_view publicHolidayName(DayNumber day) {
    const std::string_view fixed = fixedPublicHolidayName(day);
    return fixed.empty() ? movablePublicHolidayName(day) : fixed;
}

std::string_view holidayNameOfDay(DayNumber day) {
    for (auto lookup : {movableFeastName, movablePublicHolidayName, fixedFeastName,
                        fixedPublicHolidayName, adventFeastName}) {
        const std::string_view name = lookup(day);
        if (!name.empty())
            return name;
    }
    return {};
}

std::string dayAndMonthText(int day, int monthIndex) {
    return std::to_string(day) + ". " +
           std::string(MonthNames[static_cast<std::size_t>(monthIndex)]);
}

} // namespace tp
