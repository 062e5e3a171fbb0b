#pragma once

#include "model/DayNumber.h"
#include "notes/NoteKind.h"
#include "notes/NoteNames.h"
#include "platform/UserFileStore.h"

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
};

// The path of the note file `fileName` (UTF-8) in `folder`.
std::filesystem::path noteFilePath(const std::filesystem::path& folder,
                                   const std::string& fileName);

// A note as read from its file: the text (empty unless read), and why a file that is there
// could not be read (German).
struct StoredNote {
    DataFileStatus status = DataFileStatus::Missing;
    std::string text;
    std::string reason;
};

// The stored note of `fileName` in `folder` as Windows-1252 text, deciphered with the UTF-8
// `password`. A file that is there but cannot be read (no permission, a folder or a pipe under
// its name) is Unreadable, and the store keeps it from being replaced or deleted.
StoredNote readStoredNote(UserFileStore& store, const std::filesystem::path& folder,
                          const std::string& fileName, const std::string& password);

// As readStoredNote, with the text in UTF-8.
StoredNote readNoteFile(UserFileStore& store, const std::filesystem::path& folder,
                        const std::string& fileName, const std::string& password);

// Stores the UTF-8 `text` under `fileName`, enciphered with `password`, or deletes the file when
// the text is empty; then rebuilds the index of `kind`. On failure the old file stays as it was.
SaveResult writeNoteFile(UserFileStore& store, const std::filesystem::path& folder,
                         NoteIndexes& indexes, NoteKind kind, const std::string& fileName,
                         const std::string& text, const std::string& password);

// Rebuilds the index of one kind from the folder listing; returns the number of entries kept.
int rebuildNoteIndex(UserFileStore& store, const std::filesystem::path& folder,
                     NoteIndexes& indexes, NoteKind kind);
// The indexes of all four kinds from the names of the note folder.
NoteIndexes noteIndexesOf(std::vector<std::string> names);
// The indexes of all four kinds; nothing when the folder cannot be listed.
std::optional<NoteIndexes> readNoteIndexes(UserFileStore& store,
                                           const std::filesystem::path& folder);

// Deletes every day note up to and including `lastDay`, then rebuilds the day note index.
// Returns the number of files that could not be deleted.
int deleteDayNotesUpTo(UserFileStore& store, const std::filesystem::path& folder,
                       NoteIndexes& indexes, DayNumber lastDay);

// Deletes every note of `kind` that its index names, then rebuilds that index. Returns the
// number of files that could not be deleted.
int deleteAllNotesOfKind(UserFileStore& store, const std::filesystem::path& folder,
                         NoteIndexes& indexes, NoteKind kind);

} // namespace tp
