#pragma once

#include "model/ShiftSystem.h"
#include "settings/ProgramSettings.h"

#include <QDialog>

class QDateEdit;

namespace tp {

class MessageBoxes;

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
// the settings and the shift system; the caller redraws the calendar. Nothing is written to
// a file here. The window has no message to give; `messages` keeps the call like the other
// windows'.
void editEarliestBlockStart(QWidget* parent, ProgramSettings& settings, ShiftSystem& system,
                            int calendarYear, MessageBoxes& messages);

} // namespace tp
