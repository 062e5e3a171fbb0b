#include "notes/qt/PeriodicNoteEditor.h"

#include "notes/NoteEditing.h"
#include "notes/NotesOfDay.h"

#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tp {

namespace {
constexpr int kNewNotePeriod = 7;
}

PeriodicNoteEditor::PeriodicNoteEditor(NoteEditorContext context, QWidget* parent)
    : NoteEditorDialog(std::move(context), QString(), parent) {
    setWindowTitle(QStringLiteral("Periodische Notizen am ") + dateText());
    auto* label = new QLabel(QStringLiteral("Die Ausgabe dieser Notiz alle"));
    label->setWordWrap(true);
    controlColumn()->addWidget(label);
    periodField_ = new QSpinBox;
    periodField_->setRange(1, 365);
    periodField_->setToolTip(QStringLiteral("Eingabe der periodischen Wiederholung in Tagen"));
    controlColumn()->addWidget(periodField_);
    controlColumn()->addWidget(new QLabel(QStringLiteral("Tage wiederholen")));
    controlColumn()->addSpacing(context_.unitH);
    addStepControls(periodicNotesOnDay(context_.notes.noteIndexes(), context_.day));
}

void PeriodicNoteEditor::showEntry(int entry) {
    const std::string name = nthPeriodicNoteFile(context_.notes.noteIndexes(), context_.day, entry);
    loadedPeriod_ = name.empty() ? kNewNotePeriod : periodOfPeriodicFileName(name);
    periodField_->setValue(loadedPeriod_);
    load(name.empty() ? QString() : readNote(name));
}

int PeriodicNoteEditor::period() const {
    return periodField_->value();
}

std::string PeriodicNoteEditor::fileName() const {
    return periodicNoteFileNameFor(context_.day, period());
}

QString PeriodicNoteEditor::noteDescription() const {
    return QStringLiteral("Die periodische Notiz alle %1 Tage am ").arg(period()) + dateText();
}

bool PeriodicNoteEditor::mayOverwrite() {
    return !periodicNoteExists(context_.notes.noteIndexes(), context_.day, period()) ||
           context_.messages.ask(this,
                                 QStringLiteral("Eine Datei mit der gewählten Periode existiert "
                                                "bereits!\nSoll sie überschrieben werden?"));
}

} // namespace tp
