#include "notes/qt/PeriodicNoteEditor.h"

#include "notes/NoteEditing.h"
#include "notes/NotesOfDay.h"

#include <QLabel>
#include <QPushButton>
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
    step_ = addStepControls();
    controlColumn()->addStretch(1);
    connect(step_.previous, &QPushButton::clicked, this, [this] {
        if (entry_ > 1)
            show(entry_ - 1);
    });
    connect(step_.next, &QPushButton::clicked, this, [this] {
        if (entry_ < entryCount_)
            show(entry_ + 1);
    });

    entryCount_ = periodicNotesOnDay(context_.indexes, context_.day);
    show(1);
}

void PeriodicNoteEditor::show(int entry) {
    entry_ = entry;
    const std::string name = nthPeriodicNoteFile(context_.indexes, context_.day, entry);
    loadedPeriod_ = name.empty() ? kNewNotePeriod : periodOfPeriodicFileName(name);
    periodField_->setValue(loadedPeriod_);
    step_.entry->setText(entryText(entry_, entryCount_));
    // Unsaved changes to the note shown before are dropped.
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
    return !periodicNoteExists(context_.indexes, context_.day, period()) ||
           context_.messages.ask(this,
                                 QStringLiteral("Eine Datei mit der gewählten Periode existiert "
                                                "bereits!\nSoll sie überschrieben werden?"));
}

} // namespace tp
