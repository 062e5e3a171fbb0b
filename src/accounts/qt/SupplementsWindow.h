#pragma once

#include "accounts/SupplementHours.h"
#include "markings/ShiftMarkings.h"
#include "model/ShiftSystem.h"

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class QTreeWidget;

namespace tp {

class MessageBoxes;

// What the supplements window shows: the crew's work of one month under the running plan.
struct SupplementsWindowInput {
    ShiftSystem system;
    int crew = 0;                               // the base crew, or the first crew
    const ShiftMarkingList* markings = nullptr; // the user's markings as edited, or none
    int year = 2026;
    int month = 1;                    // 1..12
    std::optional<int> wageCents;     // the hourly base wage
    MessageBoxes* messages = nullptr; // what tells a failed print; Qt's boxes when none
};

// "Zuschläge": the crew's hours of a month in the supplement classes, the month's sums and,
// with the hourly wage, the tax-free amount. PageUp and PageDown or the buttons go to the
// previous and next month; "Kopieren" puts the month on the clipboard; Ctrl+P prints it.
class SupplementsWindow : public QDialog {
    Q_OBJECT

  public:
    explicit SupplementsWindow(const SupplementsWindowInput& input, QWidget* parent = nullptr);

    // The wage as the user left it: nothing when the field is at zero.
    std::optional<int> wageCents() const;

    QTreeWidget* list() const { return list_; }
    QLabel* monthLabel() const { return monthLabel_; }
    QLabel* taxFreeLabel() const { return taxFreeLabel_; }
    QDoubleSpinBox* wageField() const { return wageField_; }
    QComboBox* crewField() const { return crewField_; }
    QPushButton* previousButton() const { return previousButton_; }
    QPushButton* nextButton() const { return nextButton_; }
    QPushButton* copyButton() const { return copyButton_; }

    // The month as text, as "Kopieren" puts it on the clipboard.
    std::string monthText() const;
    // Draws the month on one page of `device`, scaled down when it would not fit.
    void printMonth(QPagedPaintDevice& device) const;

  private:
    void stepMonth(int months);
    void fill();
    void showTaxFree();
    void copyMonth();
    void print();

    SupplementsWindowInput input_;
    std::vector<SupplementDay> days_;
    QLabel* monthLabel_ = nullptr;
    QComboBox* crewField_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QDoubleSpinBox* wageField_ = nullptr;
    QLabel* taxFreeLabel_ = nullptr;
    QPushButton* previousButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
};

// Opens the window and returns the wage as the user left it.
std::optional<int> showSupplementsWindow(QWidget* parent, const SupplementsWindowInput& input);

} // namespace tp
