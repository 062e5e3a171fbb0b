#pragma once

#include "model/CalendarType.h"

#include <QDialog>

#include <utility>
#include <vector>

class QPushButton;

namespace tp {

// The commands of the program menu; the caller starts the chosen one once the menu is shut.
enum class ProgramMenuCommand {
    None,
    CalendarChoice,   // "Kalender"
    DataFolder,       // "Verzeichnis": folder choice, then the move
    Font,             // "Schriftart"
    BackgroundColour, // "Hintergrundfarbe"
    Help,             // "Info"
    Settings,         // "Einstellungen"
    Hours,            // "Stunden"
    Vacation,         // "Urlaub"
    CalendarExport,   // "Export"
    Supplements,      // "Zuschläge"
};

// "Programm": its buttons in a frame, each also reached by its letter key. A choice closes
// the window; Escape and the close box close it without one.
class ProgramMenu : public QDialog {
    Q_OBJECT

  public:
    explicit ProgramMenu(CalendarType calendarType, QWidget* parent = nullptr);

    ProgramMenuCommand chosenCommand() const { return chosen_; }
    QPushButton* button(ProgramMenuCommand command) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void choose(ProgramMenuCommand command);

    ProgramMenuCommand chosen_ = ProgramMenuCommand::None;
    std::vector<std::pair<ProgramMenuCommand, QPushButton*>> buttons_;
};

// Shows the menu and returns the chosen command after the window has closed, so that the
// command's own window is never opened on top of the menu.
ProgramMenuCommand chooseProgramMenuCommand(QWidget* parent, CalendarType calendarType);

} // namespace tp
