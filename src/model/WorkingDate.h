#pragma once

#include "model/DayNumber.h"

namespace tp {

// The day that the date, shift, holiday and astronomy computations are asked about.
// The caller sets it before asking; the fields always describe the same day.
struct WorkingDate {
    int year = 1970;
    int monthIndex = 0; // 0 = January
    int day = 1;
    DayNumber dayNumber = 0;

    int monthLength() const { return tp::monthLength(year, monthIndex); }
};

// day := 1 and the day number of the first of (year, monthIndex).
void setFirstOfMonth(WorkingDate& date);

// Fills year, month and day from the day number; the year is clamped to 1970..2037.
void setFromDayNumber(WorkingDate& date);

WorkingDate workingDateOf(DayNumber dayNumber);
WorkingDate firstOfMonth(int year, int monthIndex);

// ISO 8601 week (1..53) of the working day.
int isoWeekNumber(const WorkingDate& date);

// 0-based day of the year of Easter Sunday (Gregorian).
int easterDayOfYear(int year);

DayNumber easterSunday(int year);

} // namespace tp
