#pragma once

#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"

#include <vector>

namespace tp {

// Markings and bars are written whole. When a second installation shares the data folder,
// the file may have changed on disk since it was loaded here; these functions combine the
// three states (as loaded, as edited here, as found on disk) before the file is written, so
// that neither installation silently wipes out what the other entered.

template <typename Record> struct MergedRecords {
    std::vector<Record> records; // sorted ascending by day (markings) or start (bars)
    // Entries of the other installation that gave way to this one's where both had changed
    // the same day or overlapping days. The user is told this number when it is not 0.
    int replacedEntries = 0;
};

// One marking per day. A day changed only on disk takes the disk's entry, a day changed only
// here keeps this installation's; where both changed it differently, this one wins.
// The inputs need not be sorted; a day listed twice counts with its first entry.
MergedRecords<ShiftMarking> mergeMarkings(const std::vector<ShiftMarking>& loaded,
                                          const std::vector<ShiftMarking>& edited,
                                          const std::vector<ShiftMarking>& onDisk);

// Bars are told apart by all their stored fields: a bar counts as deleted or changed here only
// where it differs from the bars as loaded, and every bar that neither installation deleted
// or changed stays, the other installation's new and changed bars among them. Nothing gives
// way, so the count is always 0.
MergedRecords<CalendarBar> mergeBars(const std::vector<CalendarBar>& loaded,
                                     const std::vector<CalendarBar>& edited,
                                     const std::vector<CalendarBar>& onDisk);

} // namespace tp
