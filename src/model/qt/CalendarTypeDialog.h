#pragma once

#include "model/ShiftSystem.h"

#include <QDialog>

#include <array>
#include <optional>

class QRadioButton;

namespace tp {

// The calendar type behind each option of the dialog, top to bottom.
inline constexpr std::array<CalendarType, kCalendarTypeCount> CalendarTypeOptionOrder{
    CalendarType::WendringPm1,           CalendarType::WendringWerk,
    CalendarType::WendringStandardSheet, CalendarType::WendringTwoShift,
    CalendarType::Pm1TwoNightBlock,      CalendarType::WerkTwoNightBlock,
    CalendarType::ValdorHalmstett,       CalendarType::BrellingKarton};

// "Kalender": one option per shift system, the current one marked; a click chooses, Escape or
// the close box keep the current one.
class CalendarTypeDialog : public QDialog {
    Q_OBJECT

  public:
    CalendarTypeDialog(CalendarType current, int unitW, int unitH, QWidget* parent = nullptr);

    // The type clicked, or nothing when the dialog was left otherwise.
    std::optional<CalendarType> chosenType() const { return chosenType_; }
    QRadioButton* option(int index) const { return options_[static_cast<std::size_t>(index)]; }

  private:
    std::array<QRadioButton*, kCalendarTypeCount> options_{};
    std::optional<CalendarType> chosenType_;
};

// Opens the dialog and sets `type` to the one clicked.
// True when the type was chosen (it may be the same as before).
bool runCalendarTypeDialog(QWidget* parent, CalendarType& type, int unitW, int unitH);

} // namespace tp
