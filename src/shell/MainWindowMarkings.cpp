// The shift markings, the calendar bars and the two accounts in the main window.
#include "shell/MainWindow.h"

#include "accounts/AccountBalances.h"
#include "accounts/AccountEntryWindows.h"
#include "markings/CalendarBarDialog.h"
#include "markings/ShiftMarkingDialog.h"
#include "model/Today.h"
#include "platform/Colour.h"
#include "shell/UserMarkingsData.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace tp {

DayNumber MainWindow::selectedDay() const {
    return cursorMonth(state_.view).dayNumber + state_.view.cursorDay - 1;
}

void MainWindow::enterShiftMarkingAtCursor(int column) {
    if (enterShiftMarking(this, state_.shiftMarkings, state_.calendarType, selectedDay(), column))
        state_.shiftMarkingsChanged = true;
    rebuildPage(kNoCursorMove);
}

void MainWindow::editCalendarBarAtCursor() {
    const auto chooser = [this](const QColor& current, QWidget* parent) {
        return services_.chooseColour(parent, current);
    };
    if (editCalendarBar(this, state_.calendarBars, selectedDay(), chooser))
        state_.calendarBarsChanged = true;
    rebuildPage(kNoCursorMove);
}

void MainWindow::openHoursEntry() {
    if (!hasAccounts(state_.calendarType) || state_.dataFolder.empty())
        return;
    editHoursAccount(this, state_.dataFolder, todayOf(*services_.clock), *services_.messages);
    rebuildPage(kNoCursorMove);
}

void MainWindow::openVacationEntry() {
    if (!hasAccounts(state_.calendarType) || state_.dataFolder.empty())
        return;
    editVacationAccount(this, state_.dataFolder, todayOf(*services_.clock), *services_.messages);
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
    refreshAccounts(state_);
    const ShiftSystem system = shiftSystemOf(state_);
    const DayNumber today = todayOf(*services_.clock);
    const HoursStatus hours = computeHoursBalance(
        system, state_.hoursAccount, state_.vacationAccount, state_.shiftMarkings, today);
    hoursField_->setText(QString::fromStdString(hours.text));
    QPalette palette = hoursField_->palette();
    palette.setColor(QPalette::Text,
                     colourFromWindowsValue(static_cast<int>(colourValue(hours.colour))));
    hoursField_->setPalette(palette);
    vacationField_->setText(QString::fromStdString(
        computeVacationBalance(system, state_.vacationAccount, state_.hoursAccount.baseCrew,
                               state_.shiftMarkings, today)));
}

void MainWindow::tellUser(const UserDataReport& report) {
    for (const std::string& error : report.errors)
        services_.messages->inform(this, QStringLiteral("Fehler"), QString::fromStdString(error));
    for (const std::string& notice : report.notices)
        services_.messages->inform(this, QStringLiteral("Information"),
                                   QString::fromStdString(notice));
}

void MainWindow::loadMarkingsAndAccountsOfUser() {
    tellUser(loadMarkingsAndAccounts(state_, todayOf(*services_.clock)));
}

void MainWindow::saveMarkingsAndBarsOfUser() {
    tellUser(saveMarkingsAndBars(state_));
}

} // namespace tp
