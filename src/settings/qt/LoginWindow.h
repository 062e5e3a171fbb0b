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

// Shows the login window; nothing when it was left without a login. With `userName` the name
// is filled in and the password field has the focus.
std::optional<Login> askForLogin(QWidget* parent, MessageBoxes& messages,
                                 std::function<void(QWidget*)> showHelp = {},
                                 const QString& userName = {});

} // namespace tp
