#include "notes/qt/DayNoteEditor.h"

#include <QVBoxLayout>

namespace tp {

DayNoteEditor::DayNoteEditor(NoteEditorContext context, QWidget* parent)
    : NoteEditorDialog(std::move(context), QString(), parent) {
    setWindowTitle(QStringLiteral("Notizen für den ") + dateText());
    controlColumn()->addStretch(1);
    load(readNote(fileName()));
}

std::string DayNoteEditor::fileName() const {
    return dayNoteFileName(dateCodeOf(context_.day));
}

QString DayNoteEditor::noteDescription() const {
    return QStringLiteral("Die Tagesnotiz für den ") + dateText();
}

} // namespace tp
