#pragma once

#include "model/CalendarType.h"
#include "shell/Command.h"

#include <QDialog>

#include <optional>
#include <utility>
#include <vector>

class QPushButton;

namespace tp {

// "Programm": the commands of the command table that have a program-menu entry, as buttons in
// a frame, each also reached by its letter key. A choice closes the window; Escape and the
// close box close it without one.
class ProgramMenu : public QDialog {
    Q_OBJECT

  public:
    explicit ProgramMenu(CalendarType calendarType, QWidget* parent = nullptr);

    std::optional<Command> chosenCommand() const { return chosen_; }
    QPushButton* button(Command command) const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void choose(Command command);

    std::optional<Command> chosen_;
    std::vector<std::pair<Command, QPushButton*>> buttons_;
};

// Shows the menu and returns the chosen command after the window has closed, so that the
// command's own window is never opened on top of the menu.
std::optional<Command> chooseProgramMenuCommand(QWidget* parent, CalendarType calendarType);

} // namespace tp
