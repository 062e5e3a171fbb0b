#pragma once

#include "holidays/qt/TwoColumnListWindow.h"

namespace tp {

// "Feiertage": the public holidays and the Easter feasts of one year; Escape closes it.
class HolidayListWindow : public TwoColumnListWindow {
    Q_OBJECT

  public:
    HolidayListWindow(int year, int unitW, int unitH, int backgroundColour,
                      QWidget* parent = nullptr);
};

// Shows the list for `year` (the year of the page's first column) and waits until it is closed.
void showHolidayList(QWidget* parent, int year, int unitW, int unitH, int backgroundColour);

} // namespace tp
