#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tp {

// Whole days since 1 January 1970 (day 0, a Thursday). Local calendar days:
// no time zone or daylight-saving shift ever enters a day number.
using DayNumber = std::int32_t;

inline constexpr DayNumber kFirstSupportedDay = 0;         // 1 January 1970
inline constexpr DayNumber kLastSupportedDay = 24683;      // 31 July 2037
inline constexpr DayNumber kLastFirstDisplayedDay = 24653; // 1 July 2037
inline constexpr int kFirstSupportedYear = 1970;
inline constexpr int kLastSupportedYear = 2037;

struct CivilDate {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

constexpr bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Length of a month (1..12).
constexpr int monthLength(int year, int month) {
    constexpr std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return lengths[static_cast<std::size_t>(month - 1)];
}

// Day number of a Gregorian date (month 1..12); also valid outside the supported range.
constexpr DayNumber dayNumberOf(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int shiftedMonth = month > 2 ? month - 3 : month + 9;
    const int dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr DayNumber dayNumberOf(const CivilDate& date) {
    return dayNumberOf(date.year, date.month, date.day);
}

constexpr CivilDate civilFromDayNumber(DayNumber dayNumber) {
    const int z = dayNumber + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int dayOfEra = z - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// The last day any page can show; stored records beyond it (or before day 0) are damage.
inline constexpr DayNumber kLastCalendarDay = dayNumberOf(kLastSupportedYear, 12, 31);

constexpr bool isCalendarDay(DayNumber dayNumber) {
    return dayNumber >= kFirstSupportedDay && dayNumber <= kLastCalendarDay;
}

constexpr DayNumber firstDayOfYear(int year) {
    return dayNumberOf(year, 1, 1);
}

// 0-based day of the year.
constexpr int dayOfYear(DayNumber dayNumber) {
    return dayNumber - firstDayOfYear(civilFromDayNumber(dayNumber).year);
}

constexpr int positiveMod(int value, int divisor) {
    const int r = value % divisor;
    return r < 0 ? r + divisor : r;
}

// In the order of WeekdayNames and of the digit in the weekday notes' file names.
enum class Weekday { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };

constexpr Weekday weekdayOf(DayNumber dayNumber) {
    return static_cast<Weekday>(positiveMod(dayNumber + 4, 7));
}

// 0 on a Sunday .. 6 on a Saturday.
constexpr int daysSinceSunday(Weekday weekday) {
    return static_cast<int>(weekday);
}

// 0 on a Monday .. 6 on a Sunday: weeks of the year start on a Monday.
constexpr int daysSinceMonday(Weekday weekday) {
    return positiveMod(daysSinceSunday(weekday) - 1, 7);
}

constexpr bool isSupportedDay(DayNumber dayNumber) {
    return dayNumber >= kFirstSupportedDay && dayNumber <= kLastSupportedDay;
}

inline constexpr std::array<std::string_view, 7> WeekdayNames{
    "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};

inline constexpr std::array<std::string_view, 12> MonthNames{
    "Januar", "Februar", "März",      "April",   "Mai",      "Juni",
    "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

constexpr std::string_view weekdayName(Weekday weekday) {
    return WeekdayNames[static_cast<std::size_t>(weekday)];
}

// The name of a month (1..12).
constexpr std::string_view monthName(int month) {
    return MonthNames[static_cast<std::size_t>(month - 1)];
}

static_assert(dayNumberOf(1970, 1, 1) == 0);
static_assert(dayNumberOf(2015, 1, 1) == 16436);
static_assert(dayNumberOf(2037, 7, 31) == kLastSupportedDay);
static_assert(civilFromDayNumber(16494) == CivilDate{2015, 2, 28});
static_assert(weekdayOf(0) == Weekday::Thursday);

} // namespace tp
