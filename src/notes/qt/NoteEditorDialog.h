#pragma once

#include "model/DayNumber.h"
#include "notes/UserNotes.h"
#include "platform/qt/MessageBoxes.h"

#include <QColor>
#include <QDialog>

#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace tp {

// What every note editor works on: the user's notes and the selected day; `unitW` and `unitH`
// are the page's character width and row height, and `background` the page's background
// colour, which the editor window takes.
struct NoteEditorContext {
    UserNotes& notes;
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
    struct StepControls {
        QPushButton* previous = nullptr;
        QLabel* entry = nullptr;
        QPushButton* next = nullptr;
    };

    QPlainTextEdit* textField() const { return textField_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* undoAllButton() const { return undoAllButton_; }
    QPushButton* clearTextButton() const { return clearTextButton_; }
    QPushButton* deleteNoteButton() const { return deleteNoteButton_; }
    // Only in the editors that step through several notes.
    const StepControls& stepControls() const { return step_; }

    // The text of the field with CR LF line breaks, as it would be stored.
    QString text() const;
    // Whether a note file was written or deleted.
    bool changedNotes() const { return changedNotes_; }
    // Whether the note shown may only be read, because the password does not fit the notes.
    bool showsReadOnlyNote() const { return readOnlyNote_; }
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

    // Shows `text` (CR LF breaks) as the loaded note of fileName(); a note that may only be
    // read is shown so, and told once.
    void load(const QString& storedText);
    // The note's text; a note that is there but cannot be read shows empty, is told, and is
    // never saved over or deleted.
    QString readNote(const std::string& fileName);
    QString dateText() const;
    // The column right of the text field where each editor adds its own controls.
    QVBoxLayout* controlColumn() const { return controlColumn_; }

    // Adds " < ", "Eintrag i von insgesamt n", " > " for stepping through the `count` notes of
    // one kind that meet on the day, and shows the first. Entry count + 1 is a new note.
    void addStepControls(int count);
    // Shows entry `entry` (from 1) of the notes stepped through.
    virtual void showEntry(int /*entry*/) {}

    NoteEditorContext context_;

    void showEvent(QShowEvent* event) override;

  private:
    void limitLength();
    // An "Info" message, once the editor is on screen, so that it stands over the note it
    // speaks of.
    void tellWhenShown(const QString& message);
    void showReadOnly(bool readOnly);
    // Writes `finalText` as the note; asks when another installation changed the note since it
    // was opened. False: the editor stays open.
    bool store(QString finalText);
    enum class OtherChange { KeepBoth, Overwrite, BackToEditor };
    OtherChange askAboutOtherChange(const QString& otherText);
    // Unsaved changes to the note shown before are dropped.
    void stepTo(int entry);
    // Applies the save rule and closes; stays open when the note could not be written.
    void leave();

    QPlainTextEdit* textField_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* undoAllButton_ = nullptr;
    QPushButton* clearTextButton_ = nullptr;
    QPushButton* deleteNoteButton_ = nullptr;
    QVBoxLayout* controlColumn_ = nullptr;
    StepControls step_;
    int stepEntry_ = 1;
    int stepCount_ = 0;
    QString loadedText_;
    bool changedNotes_ = false;
    QString unreadableNoteMessage_; // still to be told
    // A note with unreadable characters (most likely a wrong password) is told of once, and so
    // is a note that may only be read.
    bool unreadableWarningDone_ = false;
    bool readOnlyToldDone_ = false;
    bool readOnlyNote_ = false;
    QString dueInfo_; // to be told when the editor is shown
};

} // namespace tp
