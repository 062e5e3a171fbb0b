#include "notes/BulkDeletion.h"

namespace tp {

int deleteChosenNotes(UserFileStore& store, const std::filesystem::path& folder,
                      NoteIndexes& indexes, const BulkDeletionChoice& choice) {
    int failures = 0;
    if (choice.dayNotes)
        failures += deleteDayNotesUpTo(store, folder, indexes, choice.lastDay);
    if (choice.periodicNotes)
        failures += deleteAllNotesOfKind(store, folder, indexes, NoteKind::Periodic);
    if (choice.yearlyNotes)
        failures += deleteAllNotesOfKind(store, folder, indexes, NoteKind::Yearly);
    if (choice.weekdayNotes)
        failures += deleteAllNotesOfKind(store, folder, indexes, NoteKind::WeekdayInMonth);
    return failures;
}

} // namespace tp
