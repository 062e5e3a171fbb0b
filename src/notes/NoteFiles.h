#pragma once

#include "model/DayNumber.h"
#include "notes/NoteKind.h"
#include "notes/NoteNames.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tp {

// What the note folder holds, rebuilt from its listing: the codes of the day, yearly and
// weekday-in-month notes ascending, the periodic series in the order of their sorted names.
struct NoteIndexes {
    std::vector<std::int32_t> dayNotes;
    std::vector<PeriodicNoteEntry> periodicNotes;
    std::vector<std::int32_t> yearlyNotes;
    std::vector<std::int32_t> weekdayNotes;
    // The folder exists but could not be listed: the indexes are empty for want of knowing.
    bool folderUnlistable = false;
};

// The result of a change to a note file; `reason` says in German why it failed.
struct NoteFileResult {
    bool ok = true;
    std::string reason;
};

// The stored note of `fileName` in `folder` as Windows-1252 text, deciphered with the UTF-8
// `password`; nothing when the file cannot be opened (missing, a folder, unreadable).
std::optional<std::string> readStoredNote(const std::filesystem::path& folder,
                                          const std::string& fileName, const std::string& password);

// The note text of `fileName` (UTF-8), or the empty text when it cannot be read.
std::string readNoteFile(const std::filesystem::path& folder, const std::string& fileName,
                         const std::string& password);

// Stores the UTF-8 `text` under `fileName`, enciphered with `password`, or deletes the file when
// the text is empty; then rebuilds the index of `kind`. On failure the old file stays as it was.
NoteFileResult writeNoteFile(const std::filesystem::path& folder, NoteIndexes& indexes,
                             NoteKind kind, const std::string& fileName, const std::string& text,
                             const std::string& password);

// Rebuilds the index of one kind from the folder listing; returns the number of entries kept.
int rebuildNoteIndex(const std::filesystem::path& folder, NoteIndexes& indexes, NoteKind kind);
NoteIndexes readNoteIndexes(const std::filesystem::path& folder);

// Deletes every day note up to and including `lastDay`, then rebuilds the day note index.
// Returns the number of files that could not be deleted.
int deleteDayNotesUpTo(const std::filesystem::path& folder, NoteIndexes& indexes,
                       DayNumber lastDay);

// Deletes every note of `kind` that its index names, then rebuilds that index. Returns the
// number of files that could not be deleted.
int deleteAllNotesOfKind(const std::filesystem::path& folder, NoteIndexes& indexes, NoteKind kind);

} // namespace tp
