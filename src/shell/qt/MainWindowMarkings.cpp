// The shift markings, the calendar bars and the two accounts in the main window.
#include "shell/qt/MainWindow.h"

#include "accounts/AccountBalances.h"
#include "accounts/qt/AccountEntryWindows.h"
#include "markings/qt/CalendarBarDialog.h"
#include "markings/qt/ShiftMarkingDialog.h"
#include "platform/qt/Colour.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace tp {

DayNumber MainWindow::selectedDay() const {
    return cursorMonth(state().view).dayNumber + state().view.cursorDay - 1;
}

void MainWindow::enterShiftMarkingAtCursor(int column) {
    const DayNumber day = selectedDay();
    const CalendarType type = state().calendarType;
    if (isMarkableColumn(type, day, column)) {
        const int code = runShiftMarkingDialog(
            this, type, currentMarkingCode(state().shiftMarkings, day), column, day);
        if (code >= 0)
            session_.storeShiftMarking(day, column, code);
    }
    rebuildPage(kNoCursorMove);
}

void MainWindow::editCalendarBarAtCursor() {
    const auto chooser = [this](const QColor& current, QWidget* parent) {
        return services_.chooseColour(parent, current);
    };
    CalendarBarList bars = state().calendarBars;
    if (editCalendarBar(this, bars, selectedDay(), chooser))
        session_.replaceCalendarBars(std::move(bars));
    rebuildPage(kNoCursorMove);
}

void MainWindow::openHoursEntry() {
    if (!hasAccounts(state().calendarType) || state().dataFolder.empty())
        return;
    const auto opened = session_.hoursForEntry();
    if (!opened.account) {
        services_.messages->inform(this, QStringLiteral("Fehler"),
                                   QString::fromStdString(opened.problem));
        return;
    }
    if (const auto entered = runHoursEntryWindow(this, *opened.account, session_.today()))
        tell(session_.saveHoursEntry(*opened.account, *entered));
    rebuildPage(kNoCursorMove);
}

void MainWindow::openVacationEntry() {
    if (!hasAccounts(state().calendarType) || state().dataFolder.empty())
        return;
    SessionReport report;
    const auto opened = session_.vacationForEntry(report);
    tell(report);
    if (!opened.account) {
        if (!opened.problem.empty())
            services_.messages->inform(this, QStringLiteral("Fehler"),
                                       QString::fromStdString(opened.problem));
        return;
    }
    if (const auto entered = runVacationEntryWindow(this, opened.account->vacation,
                                                    opened.account->baseCrew, session_.today()))
        tell(session_.saveVacationEntry(*opened.account, {entered->account, entered->baseCrew}));
    rebuildPage(kNoCursorMove);
}

bool MainWindow::openAccountOfField(QObject* field, QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
        return false;
    if (field == hoursField_)
        openHoursEntry();
    else if (field == vacationField_)
        openVacationEntry();
    else
        return false;
    return true;
}

void MainWindow::showAccountFields() {
    session_.refreshAccounts();
    const ShiftSystem system = session_.shiftSystem();
    const DayNumber today = session_.today();
    const HoursStatus hours = computeHoursBalance(
        system, state().hoursAccount, state().vacationAccount, state().shiftMarkings, today);
    hoursField_->setText(QString::fromStdString(hours.text));
    QPalette palette = hoursField_->palette();
    palette.setColor(QPalette::Text,
                     colourFromWindowsValue(static_cast<int>(colourValue(hours.colour))));
    hoursField_->setPalette(palette);
    vacationField_->setText(QString::fromStdString(
        computeVacationBalance(system, state().vacationAccount, state().hoursAccount.baseCrew,
                               state().shiftMarkings, today)));
}

} // namespace tp
