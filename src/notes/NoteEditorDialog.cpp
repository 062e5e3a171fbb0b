#include "notes/NoteEditorDialog.h"

#include "notes/NoteEditing.h"
#include "platform/ScreenFit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tp {

namespace {

constexpr int kTextFieldWidth = 25;  // in character widths
constexpr int kTextFieldHeight = 60; // in row heights
constexpr int kControlColumnWidth = 18;

QString storedForm(QString fieldText) {
    return fieldText.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString fieldForm(QString storedText) {
    return storedText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPushButton* columnButton(QVBoxLayout* column, const QString& label, const QString& tip) {
    auto* button = new QPushButton(label);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    column->addWidget(button);
    return button;
}

} // namespace

NoteEditorDialog::NoteEditorDialog(NoteEditorContext context, const QString& title, QWidget* parent)
    : QDialog(parent), context_(std::move(context)) {
    const int w = context_.unitW;
    const int h = context_.unitH;
    setWindowTitle(title);
    setFixedSize((kTextFieldWidth + kControlColumnWidth + 3) * w, (kTextFieldHeight + 2) * h);
    QPalette background = palette();
    background.setColor(QPalette::Window, context_.background);
    setPalette(background);
    setAutoFillBackground(true);

    textField_ = new QPlainTextEdit(this);
    textField_->setGeometry(w, h, kTextFieldWidth * w, kTextFieldHeight * h);
    textField_->setTabChangesFocus(false);

    auto* column = new QWidget(this);
    column->setGeometry((kTextFieldWidth + 2) * w, h, kControlColumnWidth * w,
                        kTextFieldHeight * h);
    controlColumn_ = new QVBoxLayout(column);
    controlColumn_->setContentsMargins(0, 0, 0, 0);
    saveButton_ =
        columnButton(controlColumn_, QStringLiteral("Speichern"),
                     QStringLiteral("Speichert die Notiz und verlässt das Eingabefenster"));
    undoAllButton_ = columnButton(
        controlColumn_, QStringLiteral("Alles zurück"),
        QStringLiteral(
            "Nimmt alle Änderungen zurück, sofern beim Aufruf bereits ein Text vorhanden war"));
    clearTextButton_ = columnButton(controlColumn_, QStringLiteral("Lösche Text"),
                                    QStringLiteral("Löscht den gesamten Text"));
    deleteNoteButton_ =
        columnButton(controlColumn_, QStringLiteral("Lösche Notiz"),
                     QStringLiteral("Löscht die gesamte Notiz und verlässt das Eingabefenster"));
    controlColumn_->addSpacing(h);

    connect(textField_, &QPlainTextEdit::textChanged, this, &NoteEditorDialog::limitLength);
    connect(saveButton_, &QPushButton::clicked, this, &NoteEditorDialog::leave);
    connect(undoAllButton_, &QPushButton::clicked, this, [this] {
        if (loadedText_.isEmpty())
            return;
        textField_->setPlainText(fieldForm(loadedText_));
        textField_->setFocus();
    });
    connect(clearTextButton_, &QPushButton::clicked, this, [this] {
        textField_->clear();
        textField_->setFocus();
    });
    connect(deleteNoteButton_, &QPushButton::clicked, this, [this] {
        textField_->clear();
        leave();
    });
    textField_->setFocus();
    fitToScreen(*this, {textField_, column});
}

QString NoteEditorDialog::text() const {
    return storedForm(textField_->toPlainText());
}

void NoteEditorDialog::load(const QString& storedText) {
    loadedText_ = storedText;
    textField_->setPlainText(fieldForm(storedText));
    textField_->moveCursor(QTextCursor::End);
    textField_->setFocus();
}

QString NoteEditorDialog::readNote(const std::string& fileName) const {
    return QString::fromStdString(readNoteFile(context_.folder, fileName, context_.password));
}

QString NoteEditorDialog::dateText() const {
    const CivilDate date = civilFromDayNumber(context_.day);
    return QStringLiteral("%1.%2.%3")
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.year, 4, 10, QLatin1Char('0'));
}

NoteEditorDialog::StepControls NoteEditorDialog::addStepControls() {
    StepControls controls;
    auto* row = new QHBoxLayout;
    controls.previous = new QPushButton(QStringLiteral(" < "));
    controls.previous->setToolTip(QStringLiteral("Vorherige Notiz für diesen Tag"));
    controls.previous->setAutoDefault(false);
    // "Eintrag i von insgesamt n" is wider than the column: it gets a row of its own under the
    // buttons and breaks into two lines where it must.
    controls.entry = new QLabel;
    controls.entry->setAlignment(Qt::AlignCenter);
    controls.entry->setWordWrap(true);
    controls.next = new QPushButton(QStringLiteral(" > "));
    controls.next->setToolTip(QStringLiteral("Nächste Notiz für diesen Tag"));
    controls.next->setAutoDefault(false);
    row->addWidget(controls.previous);
    row->addStretch(1);
    row->addWidget(controls.next);
    controlColumn_->addLayout(row);
    controlColumn_->addWidget(controls.entry);
    return controls;
}

QString NoteEditorDialog::entryText(int shown, int count) {
    return QStringLiteral("Eintrag %1 von insgesamt %2").arg(shown).arg(count);
}

void NoteEditorDialog::limitLength() {
    QString stored = text();
    if (stored.size() <= kNoteLengthLimit)
        return;
    stored.truncate(kNoteLengthLimit);
    if (stored.endsWith(QLatin1Char('\r')))
        stored.chop(1); // never half a line break
    textField_->setPlainText(fieldForm(stored));
    textField_->moveCursor(QTextCursor::End);
    context_.messages.inform(
        this, QStringLiteral("Info"),
        QStringLiteral("Die Länge der Notiz wurde auf %1 Zeichen gekürzt!").arg(stored.size()));
}

void NoteEditorDialog::reject() {
    if (text() != loadedText_ &&
        !context_.messages.ask(this, QStringLiteral("Sollen die Änderungen gespeichert werden?")))
        textField_->setPlainText(fieldForm(loadedText_));
    leave();
}

void NoteEditorDialog::leave() {
    const QString finalText = QString::fromStdString(withoutTrailingControls(text().toStdString()));
    if (repetitionChanged() && !mayOverwrite()) {
        // The user keeps the other note of that repetition: nothing is saved.
        accept();
        return;
    }
    const bool mustSave = finalText != loadedText_ || finalText.isEmpty() || repetitionChanged();
    if (mustSave) {
        const NoteFileResult result =
            writeNoteFile(context_.folder, context_.indexes, kind(), fileName(),
                          finalText.toStdString(), context_.password);
        changedNotes_ = true;
        if (!result.ok) {
            // A text that could not be stored stays in the field.
            context_.messages.inform(this, QStringLiteral("Fehler"),
                                     noteDescription() + QStringLiteral(" wurde nicht ") +
                                         (finalText.isEmpty() ? QStringLiteral("gelöscht")
                                                              : QStringLiteral("gespeichert")) +
                                         QStringLiteral(".\n") +
                                         QString::fromStdString(result.reason));
            if (!finalText.isEmpty())
                return;
        }
        repetitionSaved();
    }
    accept();
}

} // namespace tp
