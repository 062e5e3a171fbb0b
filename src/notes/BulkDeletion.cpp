#include "notes/BulkDeletion.h"

namespace tp {

int deleteChosenNotes(const std::filesystem::path& folder, NoteIndexes& indexes,
                      const BulkDeletionChoice& choice) {
    int failures = 0;
    if (choice.dayNotes)
        failures += deleteDayNotesUpTo(folder, indexes, choice.lastDay);
    if (choice.periodicNotes)
        failures += deleteAllNotesOfKind(folder, indexes, NoteKind::Periodic);
    if (choice.yearlyNotes)
        failures += deleteAllNotesOfKind(folder, indexes, NoteKind::Yearly);
    if (choice.weekdayNotes)
        failures += deleteAllNotesOfKind(folder, indexes, NoteKind::WeekdayInMonth);
    return failures;
}

} // namespace tp
