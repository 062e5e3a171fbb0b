#pragma once

#include "notes/NoteKind.h"
#include "shell/CursorMoves.h"
#include "shell/qt/FeatureController.h"

#include <QString>

class QEvent;

namespace tp {

// The notes: the four editors, the notes window of the selected day, the overview, the bulk
// deletion and the "Notiz" menu.
class NotesController : public FeatureController {
  public:
    using FeatureController::FeatureController;

    std::optional<bool> run(Command command) override;

    // The "Notiz" menu; the command of the chosen entry.
    std::optional<Command> chooseFromMenu();
    QString noteLineText() const;
    // A click on the note line opens the notes window; true for the mouse events it takes.
    bool noteLineClicked(QEvent* event);
    // The notes window of the selected day; unasked (at start-up, after a login) it opens only
    // when the day has notes.
    void showNotesOfSelectedDay(bool explicitRequest);

  private:
    DayNumber selectedDay() const { return selectedDayOf(state().view); }
    bool editNote(NoteKind kind);
    void showNotesOverview();
    bool deleteNotesAndMarkings();
};

} // namespace tp
