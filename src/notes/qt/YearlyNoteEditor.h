#pragma once

#include "notes/qt/NoteEditorDialog.h"

class QSpinBox;

namespace tp {

// The editor of the note that comes back every year on the selected day's date; "Einsetzen"
// adds a line with a year placeholder that the notes show as the years elapsed.
class YearlyNoteEditor : public NoteEditorDialog {
    Q_OBJECT

  public:
    explicit YearlyNoteEditor(NoteEditorContext context, QWidget* parent = nullptr);

    QSpinBox* yearField() const { return yearField_; }
    QPushButton* insertButton() const { return insertButton_; }

  protected:
    NoteKind kind() const override { return NoteKind::Yearly; }
    std::string fileName() const override;
    QString noteDescription() const override;

  private:
    QSpinBox* yearField_ = nullptr;
    QPushButton* insertButton_ = nullptr;
};

} // namespace tp
