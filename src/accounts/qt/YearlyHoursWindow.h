#pragma once

#include "model/ShiftSystem.h"

#include <QDialog>

class QSpinBox;
class QTreeWidget;
class QVBoxLayout;

namespace tp {

// "Jahresstunden": the planned hours of every crew per month of a year, the sum, the target
// and the difference. The year field runs from two years before the calendar's year to ten
// after it, and the list follows it at once.
class YearlyHoursWindow : public QDialog {
    Q_OBJECT

  public:
    YearlyHoursWindow(const ShiftSystem& system, int calendarYear, float targetHours38,
                      float targetHours40, QWidget* parent = nullptr);

    QSpinBox* yearField() const { return yearField_; }
    QTreeWidget* list() const { return list_; }

  private:
    void fill(int year);
    void openAtTableSize(const QVBoxLayout& layout);

    ShiftSystem system_;
    float targetHours38_;
    float targetHours40_;
    QSpinBox* yearField_ = nullptr;
    QTreeWidget* list_ = nullptr;
};

// Opens the window for the calendar's year; nothing under the four-crew systems.
void showYearlyHours(QWidget* parent, const ShiftSystem& system, int calendarYear,
                     float targetHours38, float targetHours40);

} // namespace tp
