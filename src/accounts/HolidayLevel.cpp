#include "accounts/HolidayLevel.h"

#include "model/WorkingDate.h"

namespace tp {

namespace {

// The lowest level from which a day is a holiday; 0 when it never is.
int fixedHolidayLevel(int month, int day) {
    switch (month * 100 + day) {
    case 101:
    case 106:
    case 501:
    case 815:
    case 1003:
    case 1225:
    case 1226:
        return 1;
    case 1224:
    case 1231:
        return 3;
    case 430:
        return 4;
    default:
        return 0;
    }
}

int easterHolidayLevel(int daysAfterEasterSunday) {
    switch (daysAfterEasterSunday) {
    case -2:
    case 0:
    case 1:
    case 39:
    case 49:
    case 50:
    case 60:
        return 1;
    case -1:
        return 3;
    case 48:
        return 4;
    default:
        return 0;
    }
}

bool reaches(int holidayLevel, int level) {
    return holidayLevel != 0 && level >= holidayLevel;
}

} // namespace

bool isHolidayForLevel(DayNumber day, int level) {
    if (level <= 0)
        return false;
    const CivilDate date = civilFromDayNumber(day);
    if (reaches(fixedHolidayLevel(date.month, date.day), level))
        return true;
    const int easterOffset = day - firstDayOfYear(date.year) - easterDayOfYear(date.year);
    return reaches(easterHolidayLevel(easterOffset), level);
}

} // namespace tp
