#pragma once

#include "notes/NoteFiles.h"
#include "platform/SessionReport.h"

#include <optional>
#include <string>

namespace tp {

// What became of saving a note.
struct NoteSaving {
    SessionReport report;
    // The note as another installation left it after the editor had opened it (UTF-8, empty
    // when it was deleted there): nothing was written.
    std::optional<std::string> changedMeanwhile;
    bool ok() const { return report.ok() && !changedMeanwhile; }
};

// The user's notes as the note windows work on them. The session offers them: it holds the
// note folder, its indexes and the note key, and reads and writes every note through its
// store. File names are those of NoteNames.h.
class UserNotes {
  public:
    // What the note folder holds.
    virtual const NoteIndexes& noteIndexes() const = 0;
    // The note `fileName` in UTF-8; one that is there but cannot be read comes back Unreadable
    // and is kept from then on.
    virtual StoredNote note(const std::string& fileName) = 0;
    // Why the note `fileName` may only be read (German): the password of the login does not
    // fit the notes, so nothing may be written under it. Nothing when it may be changed.
    virtual std::optional<std::string> whyNoteIsReadOnly(const std::string& fileName) const = 0;
    // Why the note `fileName` is neither replaced nor deleted (German): it could not be read,
    // or it may only be read. Nothing when it may be written.
    virtual std::optional<std::string> whyNoteIsKept(const std::string& fileName) const = 0;
    // Stores the UTF-8 `text` as the note `fileName` of `kind` (an empty text deletes it) and
    // rebuilds that kind's index; on failure the old file stays as it was. With `asOpened`,
    // the text the editor opened, the note is first compared with it under the data folder's
    // lock: when another installation changed it meanwhile, nothing is written.
    virtual NoteSaving saveNote(NoteKind kind, const std::string& fileName, const std::string& text,
                                const std::optional<std::string>& asOpened) = 0;

  protected:
    ~UserNotes() = default;
};

} // namespace tp
