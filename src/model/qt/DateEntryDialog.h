#pragma once

#include "model/ViewPosition.h"

#include <QDialog>

class QDateEdit;

namespace tp {

// "Datum eingeben": one date field; Return, Escape and the close box all take the date shown.
class DateEntryDialog : public QDialog {
    Q_OBJECT

  public:
    DateEntryDialog(const ViewPosition& view, int unitW, int unitH, QWidget* parent = nullptr);

    // The day shown in the field.
    DayNumber chosenDay() const;
    QDateEdit* dateField() const { return dateField_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QDateEdit* dateField_ = nullptr;
};

// The selected day of `view`, as the date field first shows it.
DayNumber dateEntryInitialDay(const ViewPosition& view);

// Opens the dialog; afterwards the typed day is the first displayed month's cursor day.
void runDateEntryDialog(QWidget* parent, ViewPosition& view, int unitW, int unitH);

} // namespace tp
