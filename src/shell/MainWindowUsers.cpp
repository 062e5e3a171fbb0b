// The main window's users, program menu, settings, data folder and help windows.

#include "shell/MainWindow.h"

#include "accounts/YearlyHoursWindow.h"
#include "help/HelpTextWindow.h"
#include "help/InfoWindow.h"
#include "model/Today.h"
#include "settings/FolderChoiceWindow.h"
#include "settings/LoginWindow.h"
#include "settings/ProgramMenu.h"
#include "settings/SettingsDialog.h"
#include "settings/SettingsFile.h"
#include "settings/UserLogin.h"
#include "shell/CommandRules.h"
#include "shell/StartUp.h"

#include <QLineEdit>

#include <algorithm>

namespace tp {

namespace {

const QString kErrorTitle = QStringLiteral("Fehler");

} // namespace

UserDataPlace MainWindow::userDataPlace() const {
    return {state_.folders.dataRoot, state_.userName, state_.dataFolder};
}

HelpWindowLook MainWindow::helpLook() const {
    return {state_.units, state_.pageBackground, pageFont_};
}

void MainWindow::showHelp(HelpTopic topic) {
    showHelpText(this, topic, helpLook());
}

void MainWindow::checkDataFolder() {
    if (state_.folders.dataRoot.empty())
        return;
    ProgramSettings settings = settingsOf(state_);
    const ExternalFolderCheck check =
        checkExternalDataFolder(state_.folders.dataRoot, state_.userName, settings);
    state_.userDataFolder = settings.userDataFolder;
    state_.dataFolder = check.dataFolder;
    if (!check.missingFolderMessage.empty())
        services_.messages->inform(this, kErrorTitle,
                                   QString::fromStdString(check.missingFolderMessage));
}

void MainWindow::runProgramMenu() {
    // The menu is closed before its command opens a window of its own.
    switch (chooseProgramMenuCommand(this, state_.calendarType)) {
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
        if (showsMonthColumns(state_.calendarType))
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
    }
    rebuildPage(kNoCursorMove);
}

void MainWindow::logInAsNewUser() {
    if (state_.folders.dataRoot.empty())
        return; // without a data root there is no folder to keep a user in
    ProgramSettings settings = settingsOf(state_);
    // The old user's data are saved as at the end of the program.
    const auto saveOldUserData = [this] {
        saveUserData();
        for (const std::string& problem : saveEndState(state_))
            services_.messages->inform(this, kErrorTitle, QString::fromStdString(problem));
    };
    const UserLoginResult login = loginAsNewUser(
        this, *services_.messages, state_.folders.dataRoot, settings, saveOldUserData,
        [this](QWidget* window) { showHelpText(window, HelpTopic::UserName, helpLook()); });
    if (!login.place)
        return;

    state_.notePassword = login.notePassword.toStdString();
    takeOverSettings(state_, settings, civilFromDayNumber(todayOf(*services_.clock)).year);
    state_.folders.userFolder = userFolderOf(login.place->dataRoot, login.place->userName);
    state_.storedFiles.noteRead(state_.folders.userFolder / kSettingsFileName, login.settingsRead);
    state_.dataFolder = login.place->dataFolder;
    state_.view.cursorColumn = std::min(state_.view.cursorColumn, state_.lastColumnIndex);
    loggedIn_ = true;
    setWindowTitle(
        QString::fromStdString(mainWindowTitle(state_.userName, true, state_.calendarType)));

    if (login.settingsRead == ReadResult::Unreadable)
        services_.messages->inform(this, kErrorTitle,
                                   QString::fromUtf8(kSettingsUnreadableMessage));
    loadUserData();
    const bool fontTooLarge = !fitToUserFont();
    updateVacationBlockToggle();
    rebuildPage(kNoCursorMove);
    showNotesOfSelectedDay(false);
    if (fontTooLarge)
        warnFontTooLarge();
}

void MainWindow::editSettings() {
    ProgramSettings settings = settingsOf(state_);
    SettingsDialogHooks hooks;
    hooks.placeNameChanged = [this](const QString&, const QString& countText) {
        noteLine_->setText(countText);
    };
    hooks.showHelp = [this](QWidget* dialog) {
        showHelpText(dialog, HelpTopic::Settings, helpLook());
    };
    const int calendarYear = state_.view.year;
    const bool stored = editProgramSettings(this, settings, calendarYear, state_.folders.userFolder,
                                            *services_.messages, std::move(hooks));
    // The place name is taken over while it is typed, whatever way the dialog is left.
    state_.placeName = settings.placeName;
    if (stored)
        takeOverSettings(state_, settings, calendarYear);
    rebuildPage(kNoCursorMove);
}

void MainWindow::chooseDataFolder() {
    if (state_.folders.dataRoot.empty())
        return;
    ProgramSettings settings = settingsOf(state_);
    const DataFolderMove move = chooseAndMoveDataFolder(this, *services_.messages, userDataPlace(),
                                                        settings, [this] { saveUserData(); });
    if (!move.moved)
        return;
    state_.userDataFolder = settings.userDataFolder;
    state_.dataFolder = move.dataFolder;
    loadUserData();
    rebuildPage(kNoCursorMove);
}

void MainWindow::openInfoWindow() {
    const HelpWindowLook look = helpLook();
    InfoWindowContext context;
    context.look = look;
    context.calendarType = state_.calendarType;
    context.firstColumnYear = state_.view.year;
    context.cursorColumnYear = cursorMonth(state_.view).year;
    const InfoWindowActions actions = standardInfoWindowActions(this, look, [this](int year) {
        showYearlyHours(this, shiftSystemOf(state_), year, state_.targetHours38,
                        state_.targetHours40);
    });
    runInfoWindow(this, context, actions);
    rebuildPage(kNoCursorMove);
}

} // namespace tp
