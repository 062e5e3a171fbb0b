#include "accounts/qt/EarliestBlockStartWindow.h"

#include "model/DayNumber.h"
#include "platform/qt/DateField.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace tp {

namespace {

constexpr int kWidthInCharacters = 20;

// 29 February shown in a year without it becomes the 28th.
QDate dateInYear(MonthDay monthDay, int year) {
    const int month = std::clamp(monthDay.month, 1, 12);
    const int day = std::clamp(monthDay.day, 1, monthLength(year, month));
    return QDate(year, month, day);
}

} // namespace

EarliestBlockStartWindow::EarliestBlockStartWindow(MonthDay earliestStart, int calendarYear,
                                                   QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Frühester Urlaubsbeginn"));

    dateField_ = new DateField(this);
    dateField_->setDisplayFormat(QStringLiteral("dd.MM."));
    // The field shows no year, so it must not wander into another one.
    dateField_->setDateRange(QDate(calendarYear, 1, 1), QDate(calendarYear, 12, 31));
    dateField_->setDate(dateInYear(earliestStart, calendarYear));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dateField_);
    setFixedWidth(kWidthInCharacters * fontMetrics().averageCharWidth());
    widenToTitle(*this);
    fitToScreen(*this);
    dateField_->setFocus();
}

MonthDay EarliestBlockStartWindow::chosenStart() const {
    const QDate date = dateField_->date();
    return {date.month(), date.day()};
}

void EarliestBlockStartWindow::keyPressEvent(QKeyEvent* event) {
    // Without buttons, Return would do nothing in a dialog; here it closes like Escape.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void editEarliestBlockStart(QWidget* parent, MonthDay& earliestStart, int calendarYear) {
    EarliestBlockStartWindow window(earliestStart, calendarYear, parent);
    window.exec();
    earliestStart = window.chosenStart();
}

} // namespace tp
