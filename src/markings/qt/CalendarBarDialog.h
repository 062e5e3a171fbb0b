#pragma once

#include "markings/CalendarBars.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <optional>

class QDateEdit;
class QPushButton;

namespace tp {

class MessageBoxes;

// The platform colour chooser, or a stand-in: the chosen colour, nothing when cancelled.
using ColourChooser = std::function<std::optional<QColor>(const QColor& current, QWidget* parent)>;
std::optional<QColor> chooseColourWithQt(const QColor& current, QWidget* parent);

// "Eingabe einer Kalendermarkierung": start, end and colour of a bar, saved or deleted.
class CalendarBarDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Action { None, Save, Delete };

    CalendarBarDialog(const CalendarBar& shown, ColourChooser chooser, QWidget* parent = nullptr);

    Action action() const { return action_; }
    DayNumber startDay() const;
    DayNumber endDay() const;
    std::uint32_t colour() const { return colour_; }

    QDateEdit* startField() const { return startField_; }
    QDateEdit* endField() const { return endField_; }
    QPushButton* colourButton() const { return colourButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }

  private:
    void chooseColour();

    ColourChooser chooser_;
    Action action_ = Action::None;
    std::uint32_t colour_;
    QDateEdit* startField_ = nullptr;
    QDateEdit* endField_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};

// The bar window for `day`: what it ends with goes into `bars`. True when the list changed.
bool editCalendarBar(QWidget* parent, CalendarBarList& bars, DayNumber day,
                     const ColourChooser& chooser = chooseColourWithQt);

} // namespace tp
