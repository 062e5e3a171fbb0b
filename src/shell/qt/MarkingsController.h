#pragma once

#include "shell/CursorMoves.h"
#include "shell/qt/FeatureController.h"

namespace tp {

// The shift markings and the calendar bars of the selected day.
class MarkingsController : public FeatureController {
  public:
    using FeatureController::FeatureController;

    std::optional<bool> run(Command command) override;

  private:
    DayNumber selectedDay() const { return selectedDayOf(state().view); }
    bool enterShiftMarkingAtCursor(int column);
    // The column chosen in a window first (the "Notiz" menu's "Schichtmarkierung").
    bool chooseShiftMarkingAtCursor();
    bool editCalendarBarAtCursor();
};

} // namespace tp
