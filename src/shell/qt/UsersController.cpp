#include "shell/qt/UsersController.h"

#include "settings/UserLogin.h"
#include "settings/qt/FolderChoiceWindow.h"
#include "settings/qt/LoginWindow.h"
#include "settings/qt/SettingsDialog.h"

namespace tp {

UsersController::UsersController(QWidget& window, Session& session, const ShellServices& services,
                                 const QFont& pageFont, const HelpController& help,
                                 std::function<void(const QString&)> showOnNoteLine)
    : FeatureController(window, session, services, pageFont), help_(help),
      showOnNoteLine_(std::move(showOnNoteLine)) {}

std::optional<bool> UsersController::run(Command command) {
    switch (command) {
    case Command::Settings:
        return editSettings();
    case Command::DataFolder:
        return chooseDataFolder();
    default:
        return std::nullopt;
    }
}

UserDataPlace UsersController::userDataPlace() const {
    return {state().dataRoot, state().userName, state().dataFolder};
}

bool UsersController::logIn(const QString& userName) {
    if (state().dataRoot.empty())
        return false; // without a data root there is no folder to keep a user in
    const std::optional<Login> login = askForLogin(
        window_, *services_.messages,
        [this](QWidget* window) { help_.showHelp(HelpTopic::UserName, window); }, userName);
    if (!login)
        return false;
    SessionReport report;
    const bool switched =
        session_.logIn(login->userName.toStdString(), login->password.toStdString(), report);
    tell(report);
    return switched;
}

bool UsersController::editSettings() {
    ProgramSettings settings = session_.settings();
    SettingsDialogHooks hooks;
    hooks.placeNameChanged = [this](const QString&, const QString& countText) {
        showOnNoteLine_(countText);
    };
    hooks.showHelp = [this](QWidget* dialog) { help_.showHelp(HelpTopic::Settings, dialog); };
    const bool stored = editProgramSettings(window_, settings, session_.crewTableYear(),
                                            *services_.messages, std::move(hooks));
    // The place name is taken over while it is typed, whatever way the dialog is left.
    session_.setPlaceName(settings.placeName);
    if (stored)
        tell(session_.storeSettings(settings));
    return true;
}

bool UsersController::chooseDataFolder() {
    if (state().dataRoot.empty())
        return false;
    ProgramSettings settings = session_.settings();
    const DataFolderMove move =
        chooseAndMoveDataFolder(window_, *services_.messages, session_.files(), userDataPlace(),
                                settings, [this] { tell(session_.saveMarkingsAndBars()); });
    if (!move.moved)
        return false;
    tell(session_.useMovedDataFolder(move));
    return true;
}

} // namespace tp
