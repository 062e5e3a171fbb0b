#include "notes/PeriodicNoteDays.h"

#include "notes/NotesOfDay.h"

#include <algorithm>

namespace tp {

namespace {

// The first day from `day` on (day >= 0) whose remainder by `period` is `residue` (>= 0).
DayNumber firstOnOrAfter(DayNumber day, std::int32_t period, std::int32_t residue) {
    return day + (residue - day % period + period) % period;
}

} // namespace

PeriodicNoteDays::PeriodicNoteDays(const std::vector<PeriodicNoteEntry>& entries)
    : entries_(entries) {
    for (const PeriodicNoteEntry& entry : entries) {
        // A series without a period, or with a negative remainder, has no day from 1970 on.
        if (entry.period > 0 && entry.anchor % entry.period >= 0)
            series_.push_back({entry.period, entry.anchor % entry.period, 0});
    }
}

void PeriodicNoteDays::startAt(DayNumber day) {
    for (Series& series : series_)
        series.next = firstOnOrAfter(day, series.period, series.residue);
}

bool PeriodicNoteDays::anyOn(DayNumber day) {
    if (day < 0) {
        // Remainders of days before 1970 are negative; no page shows them, so no stepping.
        return std::any_of(entries_.begin(), entries_.end(), [day](const PeriodicNoteEntry& entry) {
            return isOnSeries(entry, day);
        });
    }
    if (!lastAsked_ || day < *lastAsked_)
        startAt(day);
    lastAsked_ = day;
    for (Series& series : series_) {
        if (series.next < day)
            series.next = day - series.next <= series.period
                              ? series.next + series.period
                              : firstOnOrAfter(day, series.period, series.residue);
        if (series.next == day)
            return true;
    }
    return false;
}

} // namespace tp
