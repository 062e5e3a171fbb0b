#pragma once

#include "notes/qt/NoteEditorDialog.h"

namespace tp {

// The editor of the selected day's own note.
class DayNoteEditor : public NoteEditorDialog {
    Q_OBJECT

  public:
    explicit DayNoteEditor(NoteEditorContext context, QWidget* parent = nullptr);

  protected:
    NoteKind kind() const override { return NoteKind::Day; }
    std::string fileName() const override;
    QString noteDescription() const override;
};

} // namespace tp
