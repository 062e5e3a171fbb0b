#pragma once

#include "markings/ShiftMarkings.h"

#include <QDialog>

class QButtonGroup;
class QLabel;

namespace tp {

// "Schichtmarkierung eingeben": one option per marking code of the calendar type; the
// letters X, F, U, L, K, A and Entf choose their option and accept at once.
class ShiftMarkingDialog : public QDialog {
    Q_OBJECT

  public:
    ShiftMarkingDialog(CalendarType type, int code, int column, DayNumber day,
                       QWidget* parent = nullptr);

    // The position of the chosen option.
    int chosenCode() const;
    QButtonGroup* options() const { return options_; }
    QLabel* dayLabel() const { return dayLabel_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    CalendarType type_;
    QButtonGroup* options_ = nullptr;
    QLabel* dayLabel_ = nullptr;
};

// The window for `code` in `column` on `day`: the chosen code, or -1 when cancelled.
int runShiftMarkingDialog(QWidget* parent, CalendarType type, int code, int column, DayNumber day);

// Enters a marking for `day` in `column` through the window, when the type allows that
// column on that day. True when the list was changed.
bool enterShiftMarking(QWidget* parent, ShiftMarkingList& markings, CalendarType type,
                       DayNumber day, int column);

// "Schichtspalte eingeben": the column to mark, 1..4, or 0 when cancelled. The late shift
// cannot be chosen on a Sunday under the five-crew layout.
class ShiftColumnDialog : public QDialog {
    Q_OBJECT

  public:
    ShiftColumnDialog(CalendarType type, DayNumber day, int column, QWidget* parent = nullptr);

    int chosenColumn() const;
    QButtonGroup* options() const { return options_; }

  private:
    QButtonGroup* options_ = nullptr;
};

int chooseShiftColumn(QWidget* parent, CalendarType type, DayNumber day, int column);

} // namespace tp
