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

// The keys of one day in the three kinds of table.
struct HolidayKeys {
    int fixedCode;    // month × 100 + day
    int easterOffset; // days after Easter Sunday
};

HolidayKeys keysOf(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    return {date.month * 100 + date.day, day - easterSunday(date.year)};
}

int adventOffset(DayNumber day) {
    return day - firstAdventDayNumber(civilFromDayNumber(day).year);
}

std::string_view publicHolidayNameOf(const HolidayKeys& keys) {
    const std::string_view fixed = findByKey(FixedPublicHolidays, keys.fixedCode);
    return fixed.empty() ? findByKey(MovablePublicHolidays, keys.easterOffset) : fixed;
}

} // namespace

DayNumber firstAdventDayNumber(int year) {
    const DayNumber december3 = dayNumberOf(year, 12, 3);
    return december3 - daysSinceSunday(weekdayOf(december3));
}

std::string_view fixedPublicHolidayName(DayNumber day) {
    return findByKey(FixedPublicHolidays, keysOf(day).fixedCode);
}
std::string_view movablePublicHolidayName(DayNumber day) {
    return findByKey(MovablePublicHolidays, keysOf(day).easterOffset);
}
std::string_view fixedFeastName(DayNumber day) {
    return findByKey(FixedFeastDays, keysOf(day).fixedCode);
}
std::string_view movableFeastName(DayNumber day) {
    return findByKey(MovableFeastDays, keysOf(day).easterOffset);
}
std::string_view adventFeastName(DayNumber day) {
    return findByKey(AdventFeastDays, adventOffset(day));
}

std::string_view publicHolidayName(DayNumber day) {
    return publicHolidayNameOf(keysOf(day));
}

std::string_view holidayNameOfDay(DayNumber day) {
    const HolidayKeys keys = keysOf(day);
    for (std::string_view name : {findByKey(MovableFeastDays, keys.easterOffset),
                                  findByKey(MovablePublicHolidays, keys.easterOffset),
                                  findByKey(FixedFeastDays, keys.fixedCode),
                                  findByKey(FixedPublicHolidays, keys.fixedCode)})
        if (!name.empty())
            return name;
    return adventFeastName(day);
}

std::string dayAndMonthText(int day, int month) {
    return std::to_string(day) + ". " + std::string(monthName(month));
}

} // namespace tp
