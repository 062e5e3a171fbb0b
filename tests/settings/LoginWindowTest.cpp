#include "settings/qt/LoginWindow.h"

#include "RecordingMessageBoxes.h"
#include "TemporaryFolder.h"
#include "platform/AtomicFile.h"
#include "session/Session.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace tp {

namespace {

namespace fs = std::filesystem;

void whenWindowOpens(const std::function<void(LoginWindow&)>& userAction) {
    QTimer::singleShot(0, [userAction] {
        auto* window = qobject_cast<LoginWindow*>(QApplication::activeModalWidget());
        QVERIFY(window);
        userAction(*window);
    });
}

int entriesIn(const fs::path& folder) {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

class LoginWindowTest : public QObject {
    Q_OBJECT

    // The system's files, counting the saves of the default user's settings file.
    struct CountingFiles : SystemFileSystem {
        fs::path counted;
        int saves = 0;
        WriteResult replace(const fs::path& file, std::string_view bytes) override {
            saves += file == counted ? 1 : 0;
            return SystemFileSystem::replace(file, bytes);
        }
    };

    // A start folder with the data root and the default user, logged in.
    struct Installation {
        test::TemporaryFolder start;
        fs::path dataRoot = start.path() / "TPDaten";
        ProgramSettings settings;
        test::RecordingMessageBoxes messages;
        CountingFiles files;
        int& oldUserSaves = files.saves; // the old user's data are saved before a login
        FixedClock clock{{2026, 3, 1, 12, 0, 0}};
        Session session{files, clock};

        Installation() {
            fs::create_directories(dataRoot / "Programm");
            files.counted = dataRoot / "Programm" / kSettingsFileName;
            session.start(start.path());
            settings = session.settings();
        }
        // The window and the change of user, as the main window does them.
        struct Outcome {
            std::optional<UserDataPlace> place;
            QString notePassword;
        };
        Outcome login() {
            const std::optional<Login> entered = askForLogin(nullptr, messages);
            if (!entered)
                return {};
            session.applySettings(settings);
            SessionReport report;
            const bool switched = session.logIn(entered->userName.toStdString(),
                                                entered->password.toStdString(), report);
            settings = session.settings();
            if (!switched) {
                messages.inform(nullptr, QStringLiteral("Fehler"),
                                QStringLiteral("Es wurde kein neuer Anwender angemeldet!"));
                return {};
            }
            const SessionState& state = session.state();
            return {UserDataPlace{state.dataRoot, state.userName, state.dataFolder},
                    QString::fromStdString(state.notePassword)};
        }
    };

  private slots:
    void nameIsCheckedWhileTyped() {
        test::RecordingMessageBoxes messages;
        LoginWindow window(messages);
        QCOMPARE(window.windowTitle(), QStringLiteral("Anmeldung"));
        QTest::keyClicks(window.nameField(), "Anna:");
        QCOMPARE(window.nameField()->text(), QStringLiteral("Anna"));
        QTest::keyClicks(window.nameField(), QString(29, QLatin1Char('b')));
        QCOMPARE(window.nameField()->text().size(), 32);
        QCOMPARE(
            messages.shown,
            (QStringList{QStringLiteral("Fehler: Das eingebene Zeichen ist nicht erlaubt!"),
                         QStringLiteral(
                             "Info: Die Länge des Benutzenamens wurde auf 32 Zeichen gekürzt!")}));
        QCOMPARE(window.login().userName, QStringLiteral("Anna") + QString(28, QLatin1Char('b')));
    }

    void passwordLengthIsCountedAndALongOneDeleted() {
        test::RecordingMessageBoxes messages;
        LoginWindow window(messages);
        QTest::keyClicks(window.passwordField(), "geheim");
        QCOMPARE(window.passwordCountLabel()->text(), QStringLiteral("6 von max. 32 Zeichen."));
        window.passwordField()->setText(QString(33, QLatin1Char('p')));
        QCOMPARE(window.passwordField()->text(), QString());
        QCOMPARE(window.passwordCountLabel()->text(), QStringLiteral("0 von max. 32 Zeichen."));
        QCOMPARE(messages.shown,
                 QStringList{
                     QStringLiteral("Fehler: Das eingegeben Passwort hat die erlaubte Maximallänge "
                                    "von 32 überschritten und wurde gelöscht!")});
    }

    void newUserGetsHisFolderAndThePasswordGoesToTheNotes() {
        Installation installation;
        installation.settings.placeName = "Brelling";
        installation.settings.vacation.cycle = 3;
        whenWindowOpens([](LoginWindow& window) {
            QTest::keyClick(window.nameField(), Qt::Key_Return); // no name yet
            QVERIFY(window.isVisible());
            QTest::keyClicks(window.nameField(), "Anna");
            QTest::keyClicks(window.passwordField(), "geheim");
            QTest::keyClick(window.passwordField(), Qt::Key_Return);
        });
        const auto result = installation.login();
        QVERIFY(result.place.has_value());
        QCOMPARE(result.notePassword, QStringLiteral("geheim"));
        QCOMPARE(installation.messages.shown,
                 QStringList{QStringLiteral("Fehler: Benutzername fehlt!")});
        QCOMPARE(installation.oldUserSaves, 1);
        QVERIFY(result.place->dataFolder == installation.dataRoot / "Anna");
        std::string bytes;
        QVERIFY(readWholeFile(installation.dataRoot / "Anna" / kSettingsFileName, bytes));
        const ProgramSettings stored = settingsFromFileBytes(bytes, "");
        QCOMPARE(stored.userName, std::string("Anna"));
        QCOMPARE(stored.placeName, std::string("Brelling"));
        QCOMPARE(stored.vacation.cycle, 3);
        QCOMPARE(stored.userDataFolder, folderPathText(installation.dataRoot));
        QCOMPARE(installation.settings.userName, std::string("Anna"));
    }

    void namesOfOtherFoldersAreRefusedAndNothingIsCreated() {
        Installation installation;
        const int before = entriesIn(installation.dataRoot);
        const QStringList names{QStringLiteral(".."), QStringLiteral("."), QStringLiteral("a.")};
        whenWindowOpens([names](LoginWindow& window) {
            for (const QString& name : names) {
                window.nameField()->clear();
                QTest::keyClicks(window.nameField(), name);
                QTest::mouseClick(window.loginButton(), Qt::LeftButton);
                QVERIFY(window.isVisible());
            }
            QTest::mouseClick(window.cancelButton(), Qt::LeftButton);
        });
        const auto result = installation.login();
        QVERIFY(!result.place.has_value());
        QCOMPARE(
            installation.messages.shown,
            (QStringList{QStringLiteral("Fehler: Der Benutzername \"..\" ist nicht erlaubt!\nDer "
                                        "Benutzername darf nicht nur aus Punkten bestehen."),
                         QStringLiteral("Fehler: Der Benutzername \".\" ist nicht erlaubt!\nDer "
                                        "Benutzername darf nicht nur aus Punkten bestehen."),
                         QStringLiteral(
                             "Fehler: Der Benutzername \"a.\" ist nicht erlaubt!\nDer "
                             "Benutzername darf nicht mit einem Leerzeichen oder Punkt enden.")}));
        QCOMPARE(entriesIn(installation.dataRoot), before);
        QVERIFY(!fs::exists(installation.dataRoot / "Einstellungen.dat"));
        QVERIFY(!fs::exists(installation.start.path() / "Einstellungen.dat"));
        QCOMPARE(installation.oldUserSaves, 0);
        QCOMPARE(installation.settings.userName, std::string("Programm"));
    }

    void cancelChangesNothing() {
        Installation installation;
        whenWindowOpens([](LoginWindow& window) {
            QTest::keyClicks(window.nameField(), "Bert");
            QTest::keyClick(window.nameField(), Qt::Key_Escape);
        });
        QVERIFY(!installation.login().place.has_value());
        QVERIFY(!fs::exists(installation.dataRoot / "Bert"));
        QCOMPARE(installation.oldUserSaves, 0);
    }

    void aFolderThatCannotBeMadeKeepsTheOldUser() {
        Installation installation;
        QVERIFY(writeFileAtomically(installation.dataRoot / "Carla", "a file"));
        whenWindowOpens([](LoginWindow& window) {
            QTest::keyClicks(window.nameField(), "Carla");
            QTest::keyClick(window.nameField(), Qt::Key_Return);
        });
        QVERIFY(!installation.login().place.has_value());
        QCOMPARE(installation.messages.shown,
                 QStringList{QStringLiteral("Fehler: Es wurde kein neuer Anwender angemeldet!")});
        QCOMPARE(installation.settings.userName, std::string("Programm"));
    }
};

} // namespace tp

QTEST_MAIN(tp::LoginWindowTest)
#include "LoginWindowTest.moc"
