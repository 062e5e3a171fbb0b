#include "shell/qt/AccountsController.h"

#include "accounts/AccountBalances.h"
#include "accounts/qt/AccountEntryWindows.h"
#include "accounts/qt/EarliestBlockStartWindow.h"
#include "accounts/qt/SupplementsWindow.h"
#include "platform/qt/Colour.h"

#include <QLineEdit>

namespace tp {

std::optional<bool> AccountsController::run(Command command) {
    switch (command) {
    case Command::HoursEntry:
        return openHoursEntry();
    case Command::VacationEntry:
        return openVacationEntry();
    case Command::RotateVacationCycle:
        session_.rotateVacationCycleOfShownYear();
        return true;
    case Command::EarliestVacationStart:
        return editEarliestVacationStart();
    case Command::Supplements:
        openSupplements();
        return false;
    default:
        return std::nullopt;
    }
}

bool AccountsController::openHoursEntry() {
    if (!hasAccounts(state().calendarType) || state().dataFolder.empty())
        return false;
    const auto opened = session_.hoursForEntry();
    if (!opened.account) {
        services_.messages->inform(window_, QStringLiteral("Fehler"),
                                   QString::fromStdString(opened.problem));
        return false;
    }
    if (const auto entered = runHoursEntryWindow(window_, *opened.account, session_.today()))
        tell(session_.saveHoursEntry(*opened.account, *entered));
    return true;
}

bool AccountsController::openVacationEntry() {
    if (!hasAccounts(state().calendarType) || state().dataFolder.empty())
        return false;
    SessionReport report;
    const auto opened = session_.vacationForEntry(report);
    tell(report);
    if (!opened.account) {
        if (!opened.problem.empty())
            services_.messages->inform(window_, QStringLiteral("Fehler"),
                                       QString::fromStdString(opened.problem));
        return false;
    }
    if (const auto entered = runVacationEntryWindow(window_, opened.account->vacation,
                                                    opened.account->baseCrew, session_.today()))
        tell(session_.saveVacationEntry(*opened.account, {entered->account, entered->baseCrew}));
    return true;
}

bool AccountsController::editEarliestVacationStart() {
    MonthDay start = state().vacation.earliestStart;
    editEarliestBlockStart(window_, start, state().view.year);
    session_.setEarliestVacationStart(start);
    return true;
}

void AccountsController::openSupplements() {
    SupplementsWindowInput input;
    input.system = shiftSystemOf(state());
    // The four-crew systems keep no base crew: the window starts with the first.
    input.crew = isFourCrew(state().calendarType) ? 0 : state().hoursAccount.baseCrew;
    input.markings = &state().shiftMarkings;
    const WorkingDate month = cursorMonth(state().view);
    input.year = month.year;
    input.month = month.month;
    AccountTargets targets = state().accounts;
    input.wageCents = targets.hourlyWageCents;
    input.messages = services_.messages;
    targets.hourlyWageCents = showSupplementsWindow(window_, input);
    session_.setAccountTargets(targets);
}

void AccountsController::showAccountFields(QLineEdit& hoursField, QLineEdit& vacationField) {
    session_.refreshAccounts();
    const ShiftSystem system = session_.shiftSystem();
    const DayNumber today = session_.today();
    const HoursStatus hours = computeHoursBalance(
        system, state().hoursAccount, state().vacationAccount, state().shiftMarkings, today);
    hoursField.setText(QString::fromStdString(hours.text));
    QPalette palette = hoursField.palette();
    palette.setColor(QPalette::Text,
                     colourFromWindowsValue(static_cast<int>(colourValue(hours.colour))));
    hoursField.setPalette(palette);
    vacationField.setText(QString::fromStdString(
        computeVacationBalance(system, state().vacationAccount, state().hoursAccount.baseCrew,
                               state().shiftMarkings, today)));
}

} // namespace tp
