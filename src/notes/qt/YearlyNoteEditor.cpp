#include "notes/qt/YearlyNoteEditor.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tp {

YearlyNoteEditor::YearlyNoteEditor(NoteEditorContext context, QWidget* parent)
    : NoteEditorDialog(std::move(context), QString(), parent) {
    setWindowTitle(QStringLiteral("Jährliche Notizen für den ") + dateText());
    auto* label = new QLabel(QStringLiteral("Beginn der Zählung mit dem Jahr"));
    label->setWordWrap(true);
    controlColumn()->addWidget(label);
    yearField_ = new QSpinBox;
    yearField_->setRange(1900, 2100);
    yearField_->setValue(1970);
    yearField_->setToolTip(QStringLiteral("Eingabe des Jahres mit dem die Zählung beginnt"));
    controlColumn()->addWidget(yearField_);
    insertButton_ = new QPushButton(QStringLiteral("Einsetzen"));
    insertButton_->setToolTip(QStringLiteral("Jahr in den Text einfügen"));
    insertButton_->setAutoDefault(false);
    controlColumn()->addWidget(insertButton_);
    controlColumn()->addStretch(1);
    connect(insertButton_, &QPushButton::clicked, this, [this] {
        textField()->appendPlainText(QStringLiteral("<%1>. Geburtstag ").arg(yearField_->value()));
        textField()->setFocus();
    });
    // Placeholders are edited as stored, not as the notes show them.
    load(readNote(fileName()));
}

std::string YearlyNoteEditor::fileName() const {
    return yearlyNoteFileName(yearlyCodeOf(civilFromDayNumber(context_.day)));
}

QString YearlyNoteEditor::noteDescription() const {
    return QStringLiteral("Die jährliche Notiz für den ") + dateText().left(6);
}

} // namespace tp
