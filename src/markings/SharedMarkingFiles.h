#pragma once

#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"

#include <filesystem>
#include <vector>

namespace tp {

// Saving the markings and bars into a data folder that another installation may share.
// Both files are written whole; when the file on disk is no longer what this installation
// read, the three states (as read, as edited here, as found now) are merged first, so that
// what the other installation entered meanwhile stays.

struct SharedSaveResult {
    SaveResult saved;
    // Entries of the other installation that gave way to this one's, where both had changed
    // the same day (or the same bar).
    int replacedEntries = 0;
};

// The file is read, merged and replaced under the lock of the data folder, so that two
// installations saving at the same moment both keep their entries. On success `list` and
// `asLoaded` both hold what the file now holds and the list's changed flag is cleared. The file
// is read anew every time: one that could not be read at loading but can now is merged with
// the edits, one that cannot be read now is left as it is.
SharedSaveResult saveShiftMarkingsShared(UserFileStore& store, const std::filesystem::path& folder,
                                         ShiftMarkingList& list,
                                         std::vector<ShiftMarking>& asLoaded);
SharedSaveResult saveCalendarBarsShared(UserFileStore& store, const std::filesystem::path& folder,
                                        CalendarBarList& list, std::vector<CalendarBar>& asLoaded);

} // namespace tp
