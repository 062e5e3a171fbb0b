#pragma once

#include "model/CalendarType.h"
#include "model/WorkingDate.h"

namespace tp {

// The first displayed month of the page and the cursor on it.
struct ViewPosition {
    int year = 1970;
    int month = 1;        // of the first displayed month, 1..12
    int cursorColumn = 0; // months after the first displayed month
    int cursorDay = 1;    // day of month of the selected day

    friend bool operator==(const ViewPosition&, const ViewPosition&) = default;
};

// Month that the cursor stands in (first displayed month + cursor column).
WorkingDate cursorMonth(const ViewPosition& view);

// Moves the first displayed month to the month holding (its first day + days);
// never past July 2037 nor before January 1970. A cursor day above 28 becomes 28.
void moveViewByDays(ViewPosition& view, int days);

// The first displayed month becomes the month of `dayNumber`, with the cursor on that day
// in column 0 (what the date entry does with the typed date).
void showDayFirst(ViewPosition& view, DayNumber dayNumber);

// The days the page shows: from the first day of its first month to the last day of its last,
// the month columns 0..lastColumnIndex or the sheet's half year; never past the supported days.
struct ShownDays {
    DayNumber first = 0;
    DayNumber last = 0;
};
ShownDays shownDays(const ViewPosition& view, int lastColumnIndex, CalendarType type);

// The days of the month columns' page before the one shown, of that page and of the page after
// it: what a page turn may show next; never outside the supported days.
ShownDays neighbouringPagesDays(const ViewPosition& view, int lastColumnIndex);

} // namespace tp
