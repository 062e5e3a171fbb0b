#pragma once

#include "model/DayNumber.h"

namespace tp {

// The day that the date, shift, holiday and astronomy computations are asked about.
// The caller sets it before asking; the fields always describe the same day.
struct WorkingDate {
    int year = 1970;
    int month = 1; // 1 = January
    int day = 1;
    DayNumber dayNumber = 0;

    int monthLength() const { return tp::monthLength(year, month); }
};

// day := 1 and the day number of the first of (year, month).
void setFirstOfMonth(WorkingDate& date);

// Fills year, month and day from the day number; the year is clamped to 1970..2037.
void setFromDayNumber(WorkingDate& date);

WorkingDate workingDateOf(DayNumber dayNumber);
WorkingDate firstOfMonth(int year, int month);

// ISO 8601 week (1..53) of the working day.
int isoWeekNumber(const WorkingDate& date);

// 0-based day of the year of Easter Sunday (Gregorian).
int easterDayOfYear(int year);

DayNumber easterSunday(int year);

} // namespace tp
