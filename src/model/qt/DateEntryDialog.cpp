#include "model/qt/DateEntryDialog.h"
#include "model/qt/DayNumberQDate.h"

#include "platform/qt/DateField.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QDate>
#include <QDateEdit>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>

namespace tp {

namespace {} // namespace

DayNumber dateEntryInitialDay(const ViewPosition& view) {
    const DayNumber firstOfCursorMonth =
        std::min(cursorMonth(view).dayNumber, kLastFirstDisplayedDay);
    return firstOfCursorMonth + view.cursorDay - 1;
}

DateEntryDialog::DateEntryDialog(const ViewPosition& view, int unitW, int unitH, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Datum eingeben"));
    setFixedSize(20 * unitW, static_cast<int>(std::lround(3.5 * unitH)));
    widenToTitle(*this);
    fitToScreen(*this);

    dateField_ = new DateField(this);
    // One unit of margin on either side, also when the title made the window wider.
    dateField_->setGeometry(unitW, unitH, width() - 2 * unitW,
                            static_cast<int>(std::lround(1.5 * unitH)));
    dateField_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dateField_->setDateRange(qDateOf(kFirstSupportedDay), qDateOf(kLastSupportedDay));
    dateField_->setDate(
        qDateOf(std::clamp(dateEntryInitialDay(view), kFirstSupportedDay, kLastSupportedDay)));
    dateField_->setFocus();
}

DayNumber DateEntryDialog::chosenDay() const {
    return dayOf(dateField_->date());
}

void DateEntryDialog::keyPressEvent(QKeyEvent* event) {
    // Escape and Return end the dialog alike; the date is taken either way.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void runDateEntryDialog(QWidget* parent, ViewPosition& view, int unitW, int unitH) {
    DateEntryDialog dialog(view, unitW, unitH, parent);
    // Top left of the main window's client area, where the page's first column starts.
    dialog.move(parent ? parent->mapToGlobal(QPoint(1, 1)) : QPoint(1, 1));
    dialog.exec();
    showDayFirst(view, dialog.chosenDay());
}

} // namespace tp
