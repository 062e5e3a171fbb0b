#include "model/WorkingDate.h"

#include <algorithm>

namespace tp {

void setFirstOfMonth(WorkingDate& date) {
    date.day = 1;
    date.dayNumber = dayNumberOf(date.year, date.month, 1);
}

void setFromDayNumber(WorkingDate& date) {
    const CivilDate civil = civilFromDayNumber(date.dayNumber);
    date.day = civil.day;
    date.month = civil.month;
    date.year = std::clamp(civil.year, kFirstSupportedYear, kLastSupportedYear);
}

WorkingDate workingDateOf(DayNumber dayNumber) {
    WorkingDate date;
    date.dayNumber = dayNumber;
    setFromDayNumber(date);
    return date;
}

WorkingDate firstOfMonth(int year, int month) {
    WorkingDate date;
    date.year = year;
    date.month = month;
    setFirstOfMonth(date);
    return date;
}

namespace {

// Weeks of `year` reached by `dayNumber`, counting a first week that holds a Thursday.
int weeksIntoYear(DayNumber dayNumber, int year) {
    const DayNumber january1 = firstDayOfYear(year);
    const int weekdayOfJanuary1 = daysSinceMonday(weekdayOf(january1));
    int week = (dayNumber - january1 + weekdayOfJanuary1) / 7;
    if (weekdayOfJanuary1 < 4)
        ++week;
    return week;
}

} // namespace

int isoWeekNumber(const WorkingDate& date) {
    int week = weeksIntoYear(date.dayNumber, date.year);
    if (week == 0)
        week = weeksIntoYear(dayNumberOf(date.year - 1, 12, 31), date.year - 1);
    if (week == 53 && daysSinceMonday(weekdayOf(firstDayOfYear(date.year + 1))) < 4)
        week = 1;
    return week;
}

namespace {

constexpr int computeEasterDayOfYear(int year) {
    const int k = year / 100;
    const int m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25;
    const int s = 2 - (3 * k + 3) / 4;
    const int a = year % 19;
    const int d = (19 * a + m) % 30;
    const int r = d / 29 + (d / 28 - d / 29) * (a / 11);
    const int paschalFullMoon = 21 + d - r; // March date; 32 means 1 April
    const int firstSundayInMarch = 7 - (year + year / 4 + s) % 7;
    const int daysToSunday = 7 - (paschalFullMoon - firstSundayInMarch) % 7;
    const int february = isLeapYear(year) ? 29 : 28;
    return paschalFullMoon + daysToSunday + 30 + february;
}

// The page asks for Easter on every day it draws; the supported years are worked out once.
constexpr auto kEasterOfSupportedYears = [] {
    std::array<int, kLastSupportedYear - kFirstSupportedYear + 1> days{};
    for (int year = kFirstSupportedYear; year <= kLastSupportedYear; ++year)
        days[static_cast<std::size_t>(year - kFirstSupportedYear)] = computeEasterDayOfYear(year);
    return days;
}();
static_assert(kEasterOfSupportedYears[2016 - kFirstSupportedYear] == 86);

} // namespace

int easterDayOfYear(int year) {
    if (year >= kFirstSupportedYear && year <= kLastSupportedYear)
        return kEasterOfSupportedYears[static_cast<std::size_t>(year - kFirstSupportedYear)];
    return computeEasterDayOfYear(year);
}

DayNumber easterSunday(int year) {
    return firstDayOfYear(year) + easterDayOfYear(year);
}

} // namespace tp
