#pragma once

#include "model/DayNumber.h"
#include "notes/NoteFiles.h"
#include "platform/qt/MessageBoxes.h"

#include <QColor>
#include <QDialog>

#include <filesystem>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace tp {

// What every note editor works on: the user's note folder and indexes, the note password and
// the selected day; `unitW` and `unitH` are the page's character width and row height, and
// `background` the page's background colour, which the editor window takes.
struct NoteEditorContext {
    UserFileStore& store;
    std::filesystem::path folder;
    NoteIndexes& indexes;
    std::string password; // UTF-8
    MessageBoxes& messages;
    DayNumber day = 0;
    int unitW = 8;
    int unitH = 16;
    QColor background{Qt::white};
};

// The editing core that the four note editors share: the text field, the buttons "Speichern",
// "Alles zurück", "Lösche Text" and "Lösche Notiz", the length limit, the question on leaving
// with changes and the save rule. Texts go to and from the files with CR LF line breaks.
class NoteEditorDialog : public QDialog {
    Q_OBJECT

  public:
    QPlainTextEdit* textField() const { return textField_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* undoAllButton() const { return undoAllButton_; }
    QPushButton* clearTextButton() const { return clearTextButton_; }
    QPushButton* deleteNoteButton() const { return deleteNoteButton_; }

    // The text of the field with CR LF line breaks, as it would be stored.
    QString text() const;
    // Whether a note file was written or deleted.
    bool changedNotes() const { return changedNotes_; }
    // Tells, once, that a note that is there could not be read; after that only when shown.
    void tellUnreadableNote();

  public slots:
    // Escape and the close box: asks whether changes are to be kept, then saves as needed.
    void reject() override;

  protected:
    NoteEditorDialog(NoteEditorContext context, const QString& title, QWidget* parent);

    // The note's kind, file name and its name in messages ("Tagesnotiz für den 24.12.2016").
    virtual NoteKind kind() const = 0;
    virtual std::string fileName() const = 0;
    virtual QString noteDescription() const = 0;
    // The repetition differs from that of the loaded note (a new name for the text).
    virtual bool repetitionChanged() const { return false; }
    // Asked before saving under a changed repetition; false: nothing is saved.
    virtual bool mayOverwrite() { return true; }
    // After a save under a changed repetition the new repetition counts as the loaded one.
    virtual void repetitionSaved() {}

    // Shows `text` (CR LF breaks) as the loaded note.
    void load(const QString& storedText);
    // The note's text; a note that is there but cannot be read shows empty, is told, and is
    // never saved over or deleted.
    QString readNote(const std::string& fileName);
    QString dateText() const;
    // The column right of the text field where each editor adds its own controls.
    QVBoxLayout* controlColumn() const { return controlColumn_; }

    // " < ", "Eintrag i von insgesamt n", " > " for stepping through the notes of one kind that
    // meet on the day.
    struct StepControls {
        QPushButton* previous = nullptr;
        QLabel* entry = nullptr;
        QPushButton* next = nullptr;
    };
    StepControls addStepControls();
    static QString entryText(int shown, int count);

    NoteEditorContext context_;

    void showEvent(QShowEvent* event) override;

  private:
    void limitLength();
    void warnOfUnreadableCharacters();
    // Applies the save rule and closes; stays open when the note could not be written.
    void leave();

    QPlainTextEdit* textField_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* undoAllButton_ = nullptr;
    QPushButton* clearTextButton_ = nullptr;
    QPushButton* deleteNoteButton_ = nullptr;
    QVBoxLayout* controlColumn_ = nullptr;
    QString loadedText_;
    bool changedNotes_ = false;
    QString unreadableNoteMessage_; // still to be told
    // A note with unreadable characters (most likely a wrong password) is told of once.
    bool unreadableWarningDone_ = false;
    bool unreadableWarningDue_ = false;
};

} // namespace tp
