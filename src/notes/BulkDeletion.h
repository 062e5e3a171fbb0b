#pragma once

#include "model/DayNumber.h"
#include "notes/NoteFiles.h"

namespace tp {

// What the user chose to delete: the day notes, shift markings and calendar bars up to a day,
// and the notes of the repeating kinds altogether.
struct BulkDeletionChoice {
    DayNumber lastDay = 0;
    bool dayNotes = false;
    bool shiftMarkings = false;
    bool calendarBars = false;
    bool periodicNotes = false;
    bool yearlyNotes = false;
    bool weekdayNotes = false;

    bool anything() const {
        return dayNotes || shiftMarkings || calendarBars || periodicNotes || yearlyNotes ||
               weekdayNotes;
    }
};

// Deletes the chosen notes (markings and bars are their owners' business) and rebuilds the
// indexes concerned. Returns the number of note files that could not be deleted.
int deleteChosenNotes(UserFileStore& store, const std::filesystem::path& folder,
                      NoteIndexes& indexes, const BulkDeletionChoice& choice);

} // namespace tp
