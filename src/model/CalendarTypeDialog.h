#pragma once

#include "model/ShiftSystem.h"

#include <QDialog>

#include <array>
#include <optional>

class QRadioButton;

namespace tp {

// The calendar type behind each option of the dialog, top to bottom.
inline constexpr std::array<int, kCalendarTypeCount> CalendarTypeOptionOrder{0, 1, 5, 2,
                                                                             3, 4, 6, 7};
static_assert(CalendarTypeOptionOrder[2] == 5 && CalendarTypeOptionOrder[3] == 2);

// "Kalender": one option per shift system; a click chooses, Escape or the close box keep the
// current one.
class CalendarTypeDialog : public QDialog {
    Q_OBJECT

  public:
    CalendarTypeDialog(int unitW, int unitH, QWidget* parent = nullptr);

    // The type clicked, or nothing when the dialog was left otherwise.
    std::optional<int> chosenType() const { return chosenType_; }
    QRadioButton* option(int index) const { return options_[static_cast<std::size_t>(index)]; }

  private:
    std::array<QRadioButton*, kCalendarTypeCount> options_{};
    std::optional<int> chosenType_;
};

// Opens the dialog and sets the calendar type of `system` to the one clicked.
// True when the type was chosen (it may be the same as before).
bool runCalendarTypeDialog(QWidget* parent, ShiftSystem& system, int unitW, int unitH);

} // namespace tp
