// The main window's users, program menu, settings, data folder and help windows.

#include "shell/qt/MainWindow.h"

#include "accounts/qt/YearlyHoursWindow.h"
#include "help/qt/HelpTextWindow.h"
#include "help/qt/InfoWindow.h"
#include "model/Today.h"
#include "settings/UserLogin.h"
#include "settings/qt/FolderChoiceWindow.h"
#include "settings/qt/LoginWindow.h"
#include "settings/qt/ProgramMenu.h"
#include "settings/qt/SettingsDialog.h"
#include "shell/CommandRules.h"
#include "shell/qt/OpenSupplementsWindow.h"

#include <QLineEdit>

#include <algorithm>

namespace tp {

namespace {

const QString kErrorTitle = QStringLiteral("Fehler");

} // namespace

UserDataPlace MainWindow::userDataPlace() const {
    return {state().dataRoot, state().userName, state().dataFolder};
}

HelpWindowLook MainWindow::helpLook() const {
    return {state().units, state().pageBackground, pageFont_};
}

void MainWindow::showHelp(HelpTopic topic) {
    showHelpText(this, topic, helpLook());
}

void MainWindow::runProgramMenu() {
    // The menu is closed before its command opens a window of its own.
    switch (chooseProgramMenuCommand(this, state().calendarType)) {
    case ProgramMenuCommand::None:
        return;
    case ProgramMenuCommand::CalendarChoice:
        chooseCalendarType();
        return;
    case ProgramMenuCommand::DataFolder:
        chooseDataFolder();
        return;
    case ProgramMenuCommand::Font:
        fontDialog();
        break;
    case ProgramMenuCommand::BackgroundColour:
        if (showsMonthColumns(state().calendarType))
            chooseBackgroundColour();
        return;
    case ProgramMenuCommand::Help:
        showHelp(HelpTopic::ProgramMenu);
        return;
    case ProgramMenuCommand::Settings:
        editSettings();
        return;
    case ProgramMenuCommand::Hours:
        openHoursEntry();
        return;
    case ProgramMenuCommand::Vacation:
        openVacationEntry();
        return;
    case ProgramMenuCommand::CalendarExport:
        exportCalendar();
        return;
    case ProgramMenuCommand::Supplements:
        openSupplementsWindow(this, session_);
        return;
    }
    rebuildPage(kNoCursorMove);
}

void MainWindow::offerLastUser() {
    if (!session_.lastUserName().empty() && state().userName == kDefaultUserName)
        logInAsNewUser(QString::fromStdString(session_.lastUserName()));
}

void MainWindow::logInAsNewUser(const QString& userName) {
    if (state().dataRoot.empty())
        return; // without a data root there is no folder to keep a user in
    const std::optional<Login> login = askForLogin(
        this, *services_.messages,
        [this](QWidget* window) { showHelpText(window, HelpTopic::UserName, helpLook()); },
        userName);
    if (!login)
        return;
    SessionReport report;
    const bool switched =
        session_.logIn(login->userName.toStdString(), login->password.toStdString(), report);
    tell(report);
    if (!switched)
        return;

    loggedIn_ = true;
    setWindowTitle(
        QString::fromStdString(mainWindowTitle(state().userName, true, state().calendarType)));
    const bool fontTooLarge = !fitToUserFont();
    updateVacationBlockToggle();
    rebuildPage(kNoCursorMove);
    showNotesOfSelectedDay(false);
    if (fontTooLarge)
        warnFontTooLarge();
}

void MainWindow::editSettings() {
    ProgramSettings settings = session_.settings();
    SettingsDialogHooks hooks;
    hooks.placeNameChanged = [this](const QString&, const QString& countText) {
        noteLine_->setText(countText);
    };
    hooks.showHelp = [this](QWidget* dialog) {
        showHelpText(dialog, HelpTopic::Settings, helpLook());
    };
    const bool stored = editProgramSettings(this, settings, session_.crewTableYear(),
                                            *services_.messages, std::move(hooks));
    // The place name is taken over while it is typed, whatever way the dialog is left.
    session_.setPlaceName(settings.placeName);
    if (stored)
        tell(session_.storeSettings(settings));
    rebuildPage(kNoCursorMove);
}

void MainWindow::chooseDataFolder() {
    if (state().dataRoot.empty())
        return;
    ProgramSettings settings = session_.settings();
    const DataFolderMove move =
        chooseAndMoveDataFolder(this, *services_.messages, userDataPlace(), settings,
                                [this] { tell(session_.saveMarkingsAndBars()); });
    if (!move.moved)
        return;
    tell(session_.useMovedDataFolder(move));
    rebuildPage(kNoCursorMove);
}

void MainWindow::openInfoWindow() {
    const HelpWindowLook look = helpLook();
    InfoWindowContext context;
    context.look = look;
    context.calendarType = state().calendarType;
    context.firstColumnYear = state().view.year;
    context.cursorColumnYear = cursorMonth(state().view).year;
    const InfoWindowActions actions = standardInfoWindowActions(this, look, [this](int year) {
        showYearlyHours(this, session_.shiftSystem(), year, state().accounts.targetHours38,
                        state().accounts.targetHours40);
    });
    runInfoWindow(this, context, actions);
    rebuildPage(kNoCursorMove);
}

} // namespace tp
