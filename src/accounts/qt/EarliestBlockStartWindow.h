#pragma once

#include "model/ShiftSystem.h"

#include <QDialog>

class QDateEdit;

namespace tp {

// "Frühester Urlaubsbeginn": one day-and-month field for the earliest start of the vacation
// block, shown in the calendar's year. Escape, Return and the close box all close it.
class EarliestBlockStartWindow : public QDialog {
    Q_OBJECT

  public:
    EarliestBlockStartWindow(MonthDay earliestStart, int calendarYear, QWidget* parent = nullptr);

    MonthDay chosenStart() const;
    QDateEdit* dateField() const { return dateField_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QDateEdit* dateField_ = nullptr;
};

// Opens the window and keeps whatever day it shows when it closes, however it is closed, in
// `earliestStart`; the caller redraws the calendar. Nothing is written to a file here.
void editEarliestBlockStart(QWidget* parent, MonthDay& earliestStart, int calendarYear);

} // namespace tp
