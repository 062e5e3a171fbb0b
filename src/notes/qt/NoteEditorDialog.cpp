#include "notes/qt/NoteEditorDialog.h"

#include "notes/NoteCipher.h"
#include "notes/NoteEditing.h"
#include "platform/Windows1252.h"
#include "platform/qt/ScreenFit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace tp {

namespace {

constexpr int kTextFieldWidth = 25;  // in character widths
constexpr int kTextFieldHeight = 60; // in row heights
constexpr int kControlColumnWidth = 18;

// Stand-ins in the field for a lone CR and a lone LF of a note read with a wrong password: the
// field knows only one line break, and a lone one saved as CR LF would shift every later
// character against the password.
constexpr char16_t kLoneCarriageReturn = 0xE00D;
constexpr char16_t kLoneLineFeed = 0xE00A;

// The field's raw text (paragraph and line separators as breaks, no-break spaces kept) with
// CR LF line breaks.
QString storedForm(const QString& fieldText) {
    QString stored;
    stored.reserve(fieldText.size() + fieldText.size() / 16);
    for (const QChar character : fieldText) {
        if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator ||
            character == QLatin1Char('\n'))
            stored += QStringLiteral("\r\n");
        else if (character == kLoneCarriageReturn)
            stored += QLatin1Char('\r');
        else if (character == kLoneLineFeed)
            stored += QLatin1Char('\n');
        else
            stored += character;
    }
    return stored;
}

QString fieldForm(const QString& storedText) {
    QString field;
    field.reserve(storedText.size());
    for (qsizetype i = 0; i < storedText.size(); ++i) {
        const QChar character = storedText[i];
        if (character == QLatin1Char('\r') && i + 1 < storedText.size() &&
            storedText[i + 1] == QLatin1Char('\n')) {
            field += QLatin1Char('\n');
            ++i;
        } else if (character == QLatin1Char('\r')) {
            field += QChar(kLoneCarriageReturn);
        } else if (character == QLatin1Char('\n')) {
            field += QChar(kLoneLineFeed);
        } else {
            field += character;
        }
    }
    return field;
}

bool holdsUnreadableCharacters(const QString& text) {
    return hasUnreadableCharacters(windows1252FromUtf8(text.toStdString()));
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
    return storedForm(textField_->document()->toRawText());
}

void NoteEditorDialog::load(const QString& storedText) {
    loadedText_ = storedText;
    const auto readOnly = context_.notes.whyNoteIsReadOnly(fileName());
    showReadOnly(readOnly.has_value());
    textField_->setPlainText(fieldForm(storedText));
    textField_->moveCursor(QTextCursor::End);
    textField_->setFocus();
    if (readOnly) {
        if (!readOnlyToldDone_) {
            readOnlyToldDone_ = true;
            tellWhenShown(QString::fromStdString(*readOnly));
        }
    } else if (!unreadableWarningDone_ && holdsUnreadableCharacters(storedText)) {
        unreadableWarningDone_ = true;
        tellWhenShown(
            QStringLiteral("Die Notiz enthält unlesbare Zeichen – ist das Passwort richtig?"));
    }
}

void NoteEditorDialog::showReadOnly(bool readOnly) {
    readOnlyNote_ = readOnly;
    textField_->setReadOnly(readOnly);
    for (QPushButton* button : {saveButton_, undoAllButton_, clearTextButton_, deleteNoteButton_})
        button->setEnabled(!readOnly);
}

void NoteEditorDialog::tellWhenShown(const QString& message) {
    if (isVisible())
        context_.messages.inform(this, QStringLiteral("Info"), message);
    else
        dueInfo_ = message;
}

void NoteEditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (dueInfo_.isEmpty())
        return;
    QTimer::singleShot(0, this, [this, message = std::exchange(dueInfo_, {})] {
        context_.messages.inform(this, QStringLiteral("Info"), message);
    });
}

QString NoteEditorDialog::readNote(const std::string& fileName) {
    const StoredNote note = context_.notes.note(fileName);
    if (note.status == DataFileStatus::Unreadable) {
        unreadableNoteMessage_ = QStringLiteral("Die Notiz vom ") + dateText() +
                                 QStringLiteral(" konnte nicht gelesen werden: ") +
                                 QString::fromStdString(note.reason) +
                                 QStringLiteral(". Sie bleibt unverändert.");
        if (isVisible())
            tellUnreadableNote();
    }
    return QString::fromStdString(note.text);
}

void NoteEditorDialog::tellUnreadableNote() {
    if (unreadableNoteMessage_.isEmpty())
        return;
    context_.messages.inform(isVisible() ? this : parentWidget(), QStringLiteral("Fehler"),
                             unreadableNoteMessage_);
    unreadableNoteMessage_.clear();
}

QString NoteEditorDialog::dateText() const {
    const CivilDate date = civilFromDayNumber(context_.day);
    return QStringLiteral("%1.%2.%3")
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'))
        .arg(date.year, 4, 10, QLatin1Char('0'));
}

void NoteEditorDialog::addStepControls(int count) {
    StepControls& controls = step_;
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
    controlColumn_->addStretch(1);
    connect(controls.previous, &QPushButton::clicked, this, [this] {
        if (stepEntry_ > 1)
            stepTo(stepEntry_ - 1);
    });
    connect(controls.next, &QPushButton::clicked, this, [this] {
        if (stepEntry_ < stepCount_)
            stepTo(stepEntry_ + 1);
    });
    stepCount_ = count;
    stepTo(1);
}

void NoteEditorDialog::stepTo(int entry) {
    stepEntry_ = entry;
    step_.entry->setText(QStringLiteral("Eintrag %1 von insgesamt %2").arg(entry).arg(stepCount_));
    showEntry(entry);
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
    // A note that may only be read stays as it is, under whatever repetition: the user was
    // told when it opened.
    if (readOnlyNote_) {
        accept();
        return;
    }
    const QString finalText = QString::fromStdString(
        withoutTypedTrailingBreaks(text().toStdString(), loadedText_.toStdString()));
    if (repetitionChanged() && !mayOverwrite()) {
        // The user keeps the other note of that repetition: nothing is saved.
        accept();
        return;
    }
    // A note that could not be read is neither replaced nor deleted. Left unchanged or empty,
    // the editor just closes (the user was told when it opened); a text typed anew stays in
    // the field with the reason.
    if (const auto kept = context_.notes.whyNoteIsKept(fileName())) {
        if (finalText.isEmpty() || finalText == loadedText_) {
            accept();
            return;
        }
        context_.messages.inform(this, QStringLiteral("Fehler"),
                                 noteDescription() + QStringLiteral(" wurde nicht gespeichert.\n") +
                                     QString::fromStdString(*kept));
        return;
    }
    const bool mustSave = finalText != loadedText_ || finalText.isEmpty() || repetitionChanged();
    if (mustSave && holdsUnreadableCharacters(finalText) &&
        !context_.messages.ask(
            this, QStringLiteral("Die Notiz enthält unlesbare Zeichen – ist das Passwort "
                                 "richtig?\nSoll sie trotzdem gespeichert werden?")))
        return; // the stored note stays as it is; the text stays in the field
    if (mustSave) {
        if (!store(finalText))
            return;
        repetitionSaved();
    }
    accept();
}

bool NoteEditorDialog::store(QString finalText) {
    // Under a changed repetition the text goes to another file, and the question before
    // (mayOverwrite) has settled what becomes of that one.
    std::optional<std::string> asOpened;
    if (!repetitionChanged())
        asOpened = loadedText_.toStdString();
    NoteSaving saving;
    // Asked again when the note changed once more while the user was deciding.
    while ((saving = context_.notes.saveNote(kind(), fileName(), finalText.toStdString(), asOpened))
               .changedMeanwhile) {
        const QString otherText = QString::fromStdString(*saving.changedMeanwhile);
        switch (askAboutOtherChange(otherText)) {
        case OtherChange::KeepBoth:
            finalText = QString::fromStdString(
                bothNoteTexts(otherText.toStdString(), finalText.toStdString()));
            if (finalText.size() > kNoteLengthLimit) {
                context_.messages.inform(
                    this, QStringLiteral("Info"),
                    QStringLiteral("Beide Texte zusammen sind länger als %1 Zeichen und passen "
                                   "nicht in eine Notiz.")
                        .arg(kNoteLengthLimit));
                return false;
            }
            break;
        case OtherChange::Overwrite:
            break;
        case OtherChange::BackToEditor:
            return false;
        }
        asOpened = saving.changedMeanwhile;
    }
    changedNotes_ = true;
    if (saving.report.ok())
        return true;
    // A text that could not be stored stays in the field.
    context_.messages.inform(
        this, QStringLiteral("Fehler"),
        noteDescription() + QStringLiteral(" wurde nicht ") +
            (finalText.isEmpty() ? QStringLiteral("gelöscht") : QStringLiteral("gespeichert")) +
            QStringLiteral(".\n") + QString::fromStdString(saving.report.errors.front()));
    return finalText.isEmpty();
}

NoteEditorDialog::OtherChange NoteEditorDialog::askAboutOtherChange(const QString& otherText) {
    // Enough of the other text to recognise it.
    constexpr int kShownCharacters = 400;
    QString shown = otherText;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.size() > kShownCharacters)
        shown = shown.left(kShownCharacters) + QStringLiteral("…");
    const QString what =
        otherText.isEmpty()
            ? QStringLiteral(" wurde inzwischen an einem anderen Rechner gelöscht.")
            : QStringLiteral(" wurde inzwischen an einem anderen Rechner geändert. Dort steht "
                             "jetzt:\n\n") +
                  shown;
    const int choice = context_.messages.chooseAmong(
        this, QStringLiteral("Frage"),
        noteDescription() + what +
            QStringLiteral("\n\nSollen beide Texte behalten werden (der andere zuerst, durch "
                           "eine Linie getrennt), soll der andere überschrieben werden, oder "
                           "zurück zur Eingabe?"),
        {QStringLiteral("Beide behalten"), QStringLiteral("Überschreiben"),
         QStringLiteral("Zurück zur Eingabe")});
    return choice == 0   ? OtherChange::KeepBoth
           : choice == 1 ? OtherChange::Overwrite
                         : OtherChange::BackToEditor;
}

} // namespace tp
