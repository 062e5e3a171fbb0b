#pragma once

#include "model/ShiftSystem.h"
#include "settings/UserLogin.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tp {

class MessageBoxes;

struct Login {
    QString userName;
    QString password; // the key of the note cipher; never stored
};

// "Anmeldung": user name and password, checked while they are typed.
class LoginWindow : public QDialog {
    Q_OBJECT

  public:
    LoginWindow(MessageBoxes& messages, std::function<void(QWidget*)> showHelp = {},
                QWidget* parent = nullptr);

    // The accepted name and the password; meaningful once the window was accepted.
    Login login() const;

    QLineEdit* nameField() const { return name_; }
    QLineEdit* passwordField() const { return password_; }
    QLabel* passwordCountLabel() const { return passwordCount_; }
    QPushButton* loginButton() const { return login_; }
    QPushButton* infoButton() const { return info_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    void checkName();
    void checkPassword();
    void tryLogin();

    MessageBoxes& messages_;
    std::function<void(QWidget*)> showHelp_;
    QString acceptedName_;
    int passwordLength_ = 0;

    QLineEdit* name_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLabel* passwordCount_ = nullptr;
    QPushButton* login_ = nullptr;
    QPushButton* info_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Shows the login window; nothing when it was left without a login.
std::optional<Login> askForLogin(QWidget* parent, MessageBoxes& messages,
                                 std::function<void(QWidget*)> showHelp = {});

// The whole change of user: asks for name and password, saves the old user's data through
// `saveOldUserData` (see saveAllUserData), switches to the new user's folder (created with a
// complete settings file when new) and reads his settings, reporting a failure or a missing
// external folder. When the result holds a place, the caller hands `notePassword` to the
// notes, loads notes, markings, bars and accounts from `place.dataFolder`, sets the title
// (mainWindowTitle with afterLogin) and redraws.
struct UserLoginResult {
    std::optional<UserDataPlace> place; // empty: the old user stays logged in
    QString notePassword;
    // Unreadable: the new user's settings file could not be read and must not be replaced.
    ReadResult settingsRead = ReadResult::Missing;
};
UserLoginResult loginAsNewUser(QWidget* parent, MessageBoxes& messages,
                               const std::filesystem::path& dataRoot, ProgramSettings& settings,
                               const std::function<void()>& saveOldUserData,
                               std::function<void(QWidget*)> showHelp = {});

} // namespace tp
