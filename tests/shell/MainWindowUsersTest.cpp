#include "shell/qt/MainWindow.h"
#include "support/TestStore.h"

#include "TemporaryFolder.h"
#include "accounts/qt/YearlyHoursWindow.h"
#include "help/qt/HelpTextWindow.h"
#include "help/qt/InfoWindow.h"
#include "platform/AtomicFile.h"
#include "session/Session.h"
#include "settings/SettingsFile.h"
#include "settings/qt/FolderChoiceWindow.h"
#include "settings/qt/LoginWindow.h"
#include "settings/qt/SettingsDialog.h"
#include "shell/qt/ProgramMenu.h"

#include "MainWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace tp;
namespace fs = std::filesystem;

namespace {

// Runs `action` on the next modal window of type T as soon as it is up; the returned timer
// is the watch, deleted once it has acted.
template <class T> QTimer* whenOpen(std::function<void(T&)> action) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(*window);
        }
    });
    timer->start();
    return timer;
}

void pressIn(QWidget& window, Qt::Key key) {
    QTest::keyClick(&window, key);
}

ProgramSettings storedSettings(const fs::path& userFolder) {
    std::string bytes;
    readWholeFile(userFolder / kSettingsFileName, bytes);
    return settingsFromFileBytes(bytes, "");
}

// A main window on a fresh installation in a temporary start folder, on 24 December 2016.
struct Installation : test::MainWindowFixture {
    explicit Installation(const std::function<void(const fs::path& userFolder)>& before = {}) {
        if (before) {
            const fs::path userFolder = start.path() / "TPDaten" / "Programm";
            fs::create_directories(userFolder);
            before(userFolder);
        }
        openWindow(session.start(start.path()));
    }

    // The keys reach the window's shortcuts only while it is active, as it is again once a
    // dialog has closed.
    void press(Qt::Key key) {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), key);
    }
    fs::path dataRoot() const { return state().dataRoot; }
    QString line(Gadget gadget) const {
        return static_cast<QLineEdit*>(window->gadget(gadget))->text();
    }

    test::TemporaryFolder start;
};

int entriesIn(const fs::path& folder) {
    return static_cast<int>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

class MainWindowUsersTest : public QObject {
    Q_OBJECT

  private slots:
    void missingExternalFolderFallsBackBeforeTheWindowShows() {
        Installation app([](const fs::path& userFolder) {
            ProgramSettings settings;
            settings.userDataFolder = "/kein/Laufwerk/TPDaten/";
            saveSettings(test::TestStore{}, userFolder, settings);
        });
        QCOMPARE(app.messages.shown,
                 QStringList{QStringLiteral(
                     "Fehler: Das externe Programmverzeichnis '/kein/Laufwerk/' wurde nicht "
                     "gefunden!")});
        QCOMPARE(app.messages.parentVisible, QList<bool>{false});
        QVERIFY(app.state().dataFolder == app.dataRoot() / "Programm");
        QCOMPARE(storedSettings(app.dataRoot() / "Programm").userDataFolder,
                 folderPathText(app.dataRoot()));
    }

    void namesOfOtherFoldersAreRefused() {
        Installation app;
        const int filesBefore = entriesIn(app.dataRoot() / "Programm");
        whenOpen<LoginWindow>([](LoginWindow& login) {
            for (const char* name : {"..", ".", "a."}) {
                login.nameField()->clear();
                QTest::keyClicks(login.nameField(), name);
                QTest::mouseClick(login.loginButton(), Qt::LeftButton);
            }
            QTest::mouseClick(login.cancelButton(), Qt::LeftButton);
        });
        app.press(Qt::Key_F11);
        QCOMPARE(app.messages.shown.size(), 3);
        QCOMPARE(entriesIn(app.dataRoot()), 1);
        QCOMPARE(entriesIn(app.dataRoot() / "Programm"), filesBefore);
        QVERIFY(!fs::exists(app.dataRoot() / "Programm" / kSettingsFileName));
        QCOMPARE(app.window->windowTitle(),
                 QStringLiteral(
                     "Valdor Turnoplaner - Benutzername: Programm - Kalender: Wendring PM 1"));
    }

    void newUserStartsWithTheValuesOfTheOldOne() {
        Installation app;
        app.press(Qt::Key_B); // calendar type 2, saved for the old user at the login
        whenOpen<LoginWindow>([](LoginWindow& login) {
            QTest::keyClicks(login.nameField(), "Anna");
            QTest::keyClicks(login.passwordField(), "geheim");
            QTest::keyClick(login.passwordField(), Qt::Key_Return);
        });
        app.press(Qt::Key_A);
        QCOMPARE(app.window->windowTitle(),
                 QStringLiteral(
                     "Valdor Turnoplaner  - Benutzername: Anna - Kalender: Wendring Zweischicht"));
        QCOMPARE(app.state().notePassword, std::string("geheim"));
        QVERIFY(app.state().dataFolder == app.dataRoot() / "Anna");
        QCOMPARE(numberOf(storedSettings(app.dataRoot() / "Programm").calendarType), 2);
        QCOMPARE(numberOf(storedSettings(app.dataRoot() / "Anna").calendarType), 2);

        // Back to the first user: his own settings, and the password of this login.
        app.session.setCalendarType(CalendarType::WendringPm1);
        whenOpen<LoginWindow>([](LoginWindow& login) {
            QTest::keyClicks(login.nameField(), "Programm");
            QTest::keyClick(login.nameField(), Qt::Key_Return);
        });
        app.press(Qt::Key_F11);
        QCOMPARE(app.state().userName, std::string("Programm"));
        QCOMPARE(app.state().calendarType, CalendarType::WendringTwoShift);
        QCOMPARE(app.state().notePassword, std::string());
        QCOMPARE(numberOf(storedSettings(app.dataRoot() / "Anna").calendarType), 0);
    }

    // Left under Anna, the next start offers her login: her name filled in, the password to
    // type; Escape stays with "Programm", and leaving as "Programm" forgets her.
    void nextStartOffersTheLastUser() {
        test::TemporaryFolder start;
        {
            Installation app;
            QVERIFY(app.session.start(start.path()).ok());
            SessionReport report;
            QVERIFY(app.session.logIn("Anna", "geheim", report));
            app.window->endSession(true);
        }
        QCOMPARE(storedSettings(start.path() / "TPDaten" / "Programm").lastUserName,
                 std::string("Anna"));
        Installation next;
        QVERIFY(next.session.start(start.path()).ok());
        QCOMPARE(next.session.lastUserName(), std::string("Anna"));
        bool offered = false;
        whenOpen<LoginWindow>([&offered](LoginWindow& login) {
            offered = login.nameField()->text() == QStringLiteral("Anna") &&
                      login.passwordField()->hasFocus();
            QTest::keyClick(&login, Qt::Key_Escape);
        });
        next.window->offerLastUser();
        QVERIFY(offered);
        QCOMPARE(next.state().userName, std::string("Programm"));
        next.window->endSession(true);
        QCOMPARE(storedSettings(start.path() / "TPDaten" / "Programm").lastUserName, std::string());
    }

    void dataFolderMovesOrJoinsAFolderThatIsThere() {
        Installation app;
        QVERIFY(writeFileAtomically(app.dataRoot() / "Programm" / "Probe.dat", "meins"));
        test::TemporaryFolder elsewhere;
        const auto chooseFolder = [&app](const fs::path& folder) {
            whenOpen<ProgramMenu>([](ProgramMenu& menu) { pressIn(menu, Qt::Key_V); });
            whenOpen<FolderChoiceWindow>([folder](FolderChoiceWindow& window) {
                window.selectFolder(QString::fromStdString(folder.string()));
                QTest::mouseClick(window.chooseButton(), Qt::LeftButton);
            });
            app.press(Qt::Key_F10);
        };

        const fs::path first = elsewhere.path() / "Erstes";
        fs::create_directories(first);
        chooseFolder(first);
        QVERIFY(app.state().dataFolder == first / "TPDaten" / "Programm");
        QCOMPARE(app.session.settings().userDataFolder, folderPathText(first / "TPDaten"));
        std::string bytes;
        QVERIFY(readWholeFile(app.state().dataFolder / "Probe.dat", bytes));
        QCOMPARE(bytes, std::string("meins"));

        // A folder another computer already uses: No keeps its files and switches to them.
        const fs::path shared = elsewhere.path() / "Geteilt" / "TPDaten" / "Programm";
        fs::create_directories(shared);
        QVERIFY(writeFileAtomically(shared / "Probe.dat", "seins"));
        app.messages.answer = false;
        chooseFolder(elsewhere.path() / "Geteilt");
        QVERIFY(app.state().dataFolder == shared);
        QVERIFY(readWholeFile(shared / "Probe.dat", bytes));
        QCOMPARE(bytes, std::string("seins"));
        QCOMPARE(app.messages.shown.size(), 1);
        QVERIFY(app.messages.shown.front().startsWith(QStringLiteral("Frage: ")));
    }

    void storedSettingsChangeThePageAtOnce() {
        Installation app;
        const QString astronomyBefore = app.line(Gadget::AstronomyLine);
        whenOpen<ProgramMenu>([](ProgramMenu& menu) { pressIn(menu, Qt::Key_E); });
        QString countText;
        whenOpen<SettingsDialog>([&app, &countText](SettingsDialog& dialog) {
            dialog.placeNameField()->end(false);
            QTest::keyClicks(dialog.placeNameField(), "er");
            countText = app.line(Gadget::NoteLine);
            dialog.latitudeSouthOption()->setChecked(true);
            QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        });
        app.press(Qt::Key_F10);
        QCOMPARE(countText, QStringLiteral("10 von max. 50 Zeichen."));
        QCOMPARE(app.state().placeName, std::string("Wendringer"));
        QVERIFY(app.line(Gadget::AstronomyLine) != astronomyBefore);
        QVERIFY(storedSettings(app.dataRoot() / "Programm").place.latitude < 0);
    }

    void infoWindowOpensTheYearOfTheCursorsColumn() {
        Installation app;
        app.press(Qt::Key_Right); // January 2017
        int shownYear = 0;
        whenOpen<InfoWindow>([](InfoWindow& info) { pressIn(info, Qt::Key_M); });
        whenOpen<YearlyHoursWindow>([&shownYear](YearlyHoursWindow& window) {
            shownYear = window.yearField()->value();
            window.reject();
        });
        app.press(Qt::Key_F12);
        QCOMPARE(shownYear, 2017);

        QString title;
        whenOpen<HelpTextWindow>([&title](HelpTextWindow& help) {
            title = help.windowTitle();
            pressIn(help, Qt::Key_Escape);
        });
        app.press(Qt::Key_I);
        QCOMPARE(title, QStringLiteral("Programminfo"));
    }
};

QTEST_MAIN(MainWindowUsersTest)
#include "MainWindowUsersTest.moc"
