#include "settings/qt/LoginWindow.h"

#include "platform/qt/MessageBoxes.h"
#include "platform/qt/ScreenFit.h"
#include "platform/qt/TitleWidth.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace tp {

namespace {

const QString kErrorTitle = QStringLiteral("Fehler");

bool holdsForbiddenCharacter(const QString& text) {
    for (const char32_t c : text.toUcs4())
        if (isForbiddenFileNameCharacter(c))
            return true;
    return false;
}

} // namespace

LoginWindow::LoginWindow(MessageBoxes& messages, std::function<void(QWidget*)> showHelp,
                         QWidget* parent)
    : QDialog(parent), messages_(messages), showHelp_(std::move(showHelp)) {
    setWindowTitle(QStringLiteral("Anmeldung"));
    const QFontMetrics metrics = fontMetrics();
    const int w = metrics.averageCharWidth();
    const int h = metrics.height();
    // 9.5 rows as laid out, and one more for the count of the password's characters.
    setFixedSize(44 * w, static_cast<int>(std::lround(10.5 * h)));
    widenToTitle(*this);
    fitToScreen(*this);

    const auto place = [w, h](QWidget* widget, double x, double y, double width, double height) {
        widget->setGeometry(
            static_cast<int>(std::lround(x * w)), static_cast<int>(std::lround(y * h)),
            static_cast<int>(std::lround(width * w)), static_cast<int>(std::lround(height * h)));
    };
    place(new QLabel(QStringLiteral("Benutzername:"), this), 1, 1, 42, 1);
    name_ = new QLineEdit(this);
    name_->setToolTip(QStringLiteral("Eingabe des Benutzernamens"));
    place(name_, 1, 2, 42, 1);
    place(new QLabel(QStringLiteral("Passwort:"), this), 1, 4, 42, 1);
    password_ = new QLineEdit(this);
    password_->setEchoMode(QLineEdit::Password);
    password_->setToolTip(
        QStringLiteral("Passworteingabe nur zum Verschlüsseln der Notizen notwendig"));
    place(password_, 1, 5, 42, 1);

    login_ = new QPushButton(QStringLiteral("Anmelden"), this);
    login_->setToolTip(QStringLiteral("Übernimmt den neuen Benutzernamen"));
    login_->setDefault(true); // Return logs in
    place(login_, 1, 7, 10, 1.5);
    info_ = new QPushButton(QStringLiteral("Info"), this);
    info_->setToolTip(QStringLiteral("Informationen zum Anmelden"));
    info_->setAutoDefault(false);
    place(info_, 17, 7, 10, 1.5);
    cancel_ = new QPushButton(QStringLiteral("Abbruch"), this);
    cancel_->setToolTip(QStringLiteral("Eingabe ohne Änderung verlassen"));
    cancel_->setAutoDefault(false);
    place(cancel_, 33, 7, 10, 1.5);
    passwordCount_ = new QLabel(this);
    place(passwordCount_, 1, 9, 42, 1);

    connect(name_, &QLineEdit::textChanged, this, &LoginWindow::checkName);
    connect(password_, &QLineEdit::textChanged, this, &LoginWindow::checkPassword);
    connect(login_, &QPushButton::clicked, this, &LoginWindow::tryLogin);
    connect(info_, &QPushButton::clicked, this, [this] {
        if (showHelp_)
            showHelp_(this);
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    name_->setFocus();
}

Login LoginWindow::login() const {
    return {acceptedName_, password_->text()};
}

void LoginWindow::checkName() {
    const QString text = name_->text();
    if (text == acceptedName_)
        return;
    if (text.size() > kMaxUserNameLength) {
        messages_.inform(this, QStringLiteral("Info"),
                         QStringLiteral("Die Länge des Benutzenamens wurde auf %1 Zeichen gekürzt!")
                             .arg(kMaxUserNameLength));
        name_->setText(text.left(kMaxUserNameLength));
    } else if (!text.isEmpty() && holdsForbiddenCharacter(text)) {
        messages_.inform(this, kErrorTitle,
                         QStringLiteral("Das eingebene Zeichen ist nicht erlaubt!"));
        name_->setText(acceptedName_);
    } else {
        acceptedName_ = text;
    }
}

void LoginWindow::checkPassword() {
    const int length = static_cast<int>(password_->text().size());
    if (length > kMaxPasswordLength) {
        messages_.inform(this, kErrorTitle,
                         QStringLiteral("Das eingegeben Passwort hat die erlaubte Maximallänge von "
                                        "%1 überschritten und wurde gelöscht!")
                             .arg(kMaxPasswordLength));
        password_->clear();
        return;
    }
    if (length == passwordLength_)
        return;
    passwordLength_ = length;
    passwordCount_->setText(
        QStringLiteral("%1 von max. %2 Zeichen.").arg(length).arg(kMaxPasswordLength));
}

void LoginWindow::tryLogin() {
    if (acceptedName_.isEmpty()) {
        messages_.inform(this, kErrorTitle, QStringLiteral("Benutzername fehlt!"));
        name_->setFocus();
        return;
    }
    if (const auto refusal = userNameRefusal(acceptedName_.toStdString())) {
        messages_.inform(this, kErrorTitle,
                         QStringLiteral("Der Benutzername \"%1\" ist nicht erlaubt!\n%2")
                             .arg(acceptedName_, QString::fromStdString(*refusal)));
        name_->setFocus();
        return;
    }
    accept();
}

std::optional<Login> askForLogin(QWidget* parent, MessageBoxes& messages,
                                 std::function<void(QWidget*)> showHelp, const QString& userName) {
    LoginWindow window(messages, std::move(showHelp), parent);
    if (!userName.isEmpty()) {
        window.nameField()->setText(userName);
        window.passwordField()->setFocus();
    }
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.login();
}

} // namespace tp
