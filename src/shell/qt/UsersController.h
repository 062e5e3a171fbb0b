#pragma once

#include "shell/qt/FeatureController.h"
#include "shell/qt/HelpController.h"

#include <QString>

#include <functional>

namespace tp {

// Users and settings: the login, the settings dialog and the choice of the data folder.
class UsersController : public FeatureController {
  public:
    // `showOnNoteLine` shows the settings dialog's count of places found while a place is typed.
    UsersController(QWidget& window, Session& session, const ShellServices& services,
                    const QFont& pageFont, const HelpController& help,
                    std::function<void(const QString&)> showOnNoteLine);

    std::optional<bool> run(Command command) override;

    // The login window, with `userName` filled in when given; true when the session switched
    // to the user, whose settings the window must then take over.
    bool logIn(const QString& userName = {});

  private:
    bool editSettings();
    bool chooseDataFolder();
    UserDataPlace userDataPlace() const;

    const HelpController& help_;
    std::function<void(const QString&)> showOnNoteLine_;
};

} // namespace tp
