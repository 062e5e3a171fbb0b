#pragma once

#include <QDialog>

#include <vector>

class QPushButton;

namespace tp {

// The actions of the "Notiz" menu, in the order of its buttons.
enum class NoteMenuAction {
    None,
    DayNote,
    PeriodicNote,
    YearlyNote,
    WeekdayNote,
    CalendarBar,
    ShiftMarking,
    BulkDeletion,
    Overview,
    Info
};

// The "Notiz" menu: one column of buttons, each also reached by its letter key. Choosing one
// closes the menu; the caller then starts the action. Escape and the close box choose nothing.
class NoteMenuDialog : public QDialog {
    Q_OBJECT

  public:
    NoteMenuDialog(int unitW, int unitH, QWidget* parent = nullptr);

    NoteMenuAction chosen() const { return chosen_; }
    QPushButton* button(NoteMenuAction action) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void choose(NoteMenuAction action);

    struct Entry {
        NoteMenuAction action;
        int key;
        QPushButton* button;
    };
    std::vector<Entry> entries_;
    NoteMenuAction chosen_ = NoteMenuAction::None;
};

// Opens the menu and returns the chosen action.
NoteMenuAction runNoteMenu(QWidget* parent, int unitW, int unitH);

} // namespace tp
