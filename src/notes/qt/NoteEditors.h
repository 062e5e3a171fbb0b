#pragma once

#include "notes/NoteKind.h"
#include "notes/qt/NoteEditorDialog.h"

namespace tp {

// Opens the editor of `kind` for the context's day and waits until it is left; true when a
// note file was written or deleted.
bool runNoteEditor(NoteKind kind, const NoteEditorContext& context, QWidget* parent);

} // namespace tp
