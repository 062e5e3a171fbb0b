#pragma once

#include "holidays/qt/TwoColumnListWindow.h"

namespace tp {

// "Ferientermine": the six school holiday periods of one year; Escape closes it.
class SchoolHolidayWindow : public TwoColumnListWindow {
    Q_OBJECT

  public:
    SchoolHolidayWindow(int year, int unitW, int unitH, int backgroundColour,
                        QWidget* parent = nullptr);
};

// Shows the periods of `year` (empty for a year the table does not hold) and waits.
void showSchoolHolidays(QWidget* parent, int year, int unitW, int unitH, int backgroundColour);

} // namespace tp
