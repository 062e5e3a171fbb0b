#include "TemporaryFolder.h"
#include "accounts/qt/AccountEntryWindows.h"
#include "markings/qt/CalendarBarDialog.h"
#include "markings/qt/ShiftMarkingDialog.h"
#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "shell/qt/MainWindow.h"
#include "shell/qt/PageCanvas.h"
#include "support/TestStore.h"

#include "MainWindowFixture.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace tp;

namespace {

const DayNumber kChristmasEve = dayNumberOf(2016, 12, 24); // today and the cursor day: a Saturday

// A main window on Saturday 24 December 2016 over a data folder of its own.
struct Harness : test::MainWindowFixture {
    explicit Harness(const std::function<void(const std::filesystem::path&)>& prepare = {}) {
        if (prepare)
            prepare(folder.path());
        keptEntriesFolder = kept.path();
        session.applySettings(ProgramSettings{});
        openWindow(session.openDataFolder(folder.path(), {}));
    }

    // After a window of its own closed, the main window is active again, as on a desktop.
    void press(Qt::Key key) {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), key);
    }
    QLineEdit* field(Gadget gadget) const {
        return static_cast<QLineEdit*>(window->gadget(gadget));
    }
    // The page pixels of a box in units of the page font: column `column`, day row `day`.
    QImage pageBox(int column, int day, int firstUnit, int units) const {
        const int w = state().units.w;
        return window->pageImage().copy(w + 18 * w * column + firstUnit * w, day * state().units.h,
                                        units * w, state().units.h);
    }
    std::string fileBytes(const char* name) const {
        std::string bytes;
        readWholeFile(folder.path() / name, bytes);
        return bytes;
    }

    test::TemporaryFolder folder;
    test::TemporaryFolder kept;
};

// Runs `answer` on the next modal window that opens.
template <typename Window> void whenOpened(std::function<void(Window*)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        QVERIFY(window);
        answer(window);
    });
}

// The marking window: remembers its label, then presses `key`.
void markWith(Qt::Key key, QString* label = nullptr) {
    whenOpened<ShiftMarkingDialog>([key, label](ShiftMarkingDialog* dialog) {
        if (label)
            *label = dialog->dayLabel()->text();
        QTest::keyClick(dialog, key);
    });
}

// A record of "Schichtmarkierung.dat" for Christmas Eve 2016 (day 17159).
std::string christmasEveRecord(char column, char code) {
    return std::string("\x07\x43\x00\x00", 4) + column + code;
}

} // namespace

class MainWindowMarkingsTest : public QObject {
    Q_OBJECT

  private slots:
    void numberKeysMarkTheirColumn_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("label");
        QTest::newRow("4") << Qt::Key_4 << 1 << QStringLiteral(" Verfügung am 24.12.2016");
        QTest::newRow("1") << Qt::Key_1 << 2 << QStringLiteral(" Frühschicht am 24.12.2016");
        QTest::newRow("2") << Qt::Key_2 << 3 << QStringLiteral(" Spätschicht am 24.12.2016");
        QTest::newRow("3") << Qt::Key_3 << 4 << QStringLiteral(" Nachtschicht am 24.12.2016");
    }
    void numberKeysMarkTheirColumn() {
        QFETCH(Qt::Key, key);
        QFETCH(int, column);
        QFETCH(QString, label);
        Harness h;
        const QImage before = h.window->pageImage();
        QString shownLabel;
        markWith(Qt::Key_U, &shownLabel);
        h.press(key);
        QCOMPARE(shownLabel, label);

        // The letter stands in the marked slot of the cursor day and nowhere else.
        for (int slot = 1; slot <= 4; ++slot) {
            const int firstUnit = 8 + 2 * (slot - 1);
            const QImage now = h.pageBox(0, 24, firstUnit, 2);
            const QImage was = before.copy(
                now.rect().translated(h.state().units.w * (1 + firstUnit), 24 * h.state().units.h));
            QCOMPARE(now != was, slot == column);
        }
        QVERIFY(h.messages.shown.isEmpty());
        h.window->tell(h.session.saveMarkingsAndBars());
        QCOMPARE(h.fileBytes(kShiftMarkingFileName),
                 christmasEveRecord(static_cast<char>(column), Vacation));
    }

    void doubleClickOnASlotMarksIt() {
        Harness h;
        QString label;
        markWith(Qt::Key_K, &label);
        QTest::mouseDClick(h.window->gadget(Gadget::Canvas), Qt::LeftButton, {},
                           QPoint(13 * h.state().units.w + 2, 24 * h.state().units.h + 3));
        QCOMPARE(label, QStringLiteral(" Spätschicht am 24.12.2016"));
        h.window->tell(h.session.saveMarkingsAndBars());
        QCOMPARE(h.fileBytes(kShiftMarkingFileName), christmasEveRecord(3, Sick));
    }

    void barKeyDrawsAndSavesTheBar() {
        Harness h;
        whenOpened<CalendarBarDialog>([](CalendarBarDialog* dialog) {
            QCOMPARE(dialog->startField()->date(), QDate(2016, 12, 24));
            dialog->endField()->setDate(QDate(2016, 12, 26));
            dialog->saveButton()->click();
        });
        h.press(Qt::Key_K);

        // The default colour, 20 darker in the Christmas school holidays.
        const QRgb barColour = qRgb(219, 174, 141);
        for (int day = 23; day <= 27; ++day) {
            const QImage dayPart = h.pageBox(0, day, 2, 3);
            bool hasBar = false;
            for (int x = 0; x < dayPart.width(); ++x)
                hasBar = hasBar || dayPart.pixel(x, dayPart.height() / 2) == barColour;
            QCOMPARE(hasBar, day >= 24 && day <= 26);
        }
        h.window->tell(h.session.saveMarkingsAndBars());
        QCOMPARE(h.fileBytes(kCalendarBarFileName).size(), 12u);
        QVERIFY(h.messages.shown.isEmpty());
    }

    void accountFieldsFollowTheMarkings() {
        Harness h([](const std::filesystem::path& folder) {
            // Base crew red, on early shift that day.
            saveHoursAccount(test::TestStore{}, folder,
                             {dayNumberOf(2016, 12, 1), -45.5f, false, 0, false});
            saveVacationAccount(test::TestStore{}, folder, {dayNumberOf(2016, 1, 1), 20});
        });
        QLineEdit* hours = h.field(Gadget::HoursField);
        QLineEdit* vacation = h.field(Gadget::VacationField);
        QCOMPARE(hours->text(), QStringLiteral(" -45,50"));
        QCOMPARE(hours->palette().color(QPalette::Text), QColor(160, 0, 0));
        QCOMPARE(vacation->text(), QStringLiteral(" 20"));

        // Vacation on a working day of the base crew costs a day of leave ...
        markWith(Qt::Key_U);
        h.press(Qt::Key_1);
        QCOMPARE(vacation->text(), QStringLiteral(" 19"));
        // ... time off instead costs a shift of hours.
        markWith(Qt::Key_F);
        h.press(Qt::Key_1);
        QCOMPARE(vacation->text(), QStringLiteral(" 20"));
        QCOMPARE(hours->text(), QStringLiteral(" -53,50"));

        // The four-crew calendars keep no accounts.
        h.press(Qt::Key_V);
        QVERIFY(hours->text().isEmpty() && vacation->text().isEmpty());
    }

    void clicksOnTheAccountFieldsOpenTheirWindows() {
        Harness h;
        whenOpened<HoursEntryWindow>([](HoursEntryWindow* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Stunden eingeben"));
            window->hoursField()->setText(QStringLiteral("41"));
            QTest::keyClick(window, Qt::Key_Return);
        });
        QTest::mouseClick(h.field(Gadget::HoursField), Qt::LeftButton);
        QCOMPARE(h.field(Gadget::HoursField)->text(), QStringLiteral("  41,00"));
        QCOMPARE(h.field(Gadget::HoursField)->palette().color(QPalette::Text), QColor(0, 160, 0));

        whenOpened<VacationEntryWindow>([](VacationEntryWindow* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Urlaub eingeben"));
            window->daysField()->setText(QStringLiteral("25"));
            QTest::keyClick(window, Qt::Key_Return);
        });
        QTest::mouseClick(h.field(Gadget::VacationField), Qt::LeftButton);
        QCOMPARE(h.field(Gadget::VacationField)->text(), QStringLiteral(" 25"));
        QCOMPARE(loadHoursAccount(test::TestStore{}, h.folder.path()).account.hours, 41.0f);
        QVERIFY(h.messages.shown.isEmpty());
    }

    // A save that fails at the end is told while the window is still there: "Wiederholen"
    // tries again, "Ohne Speichern beenden" ends the program.
    void failedSaveAtTheEndOffersToTryAgain() {
        Harness h([](const std::filesystem::path& folder) {
            std::filesystem::create_directory(folder / kShiftMarkingFileName);
        });
        markWith(Qt::Key_X);
        h.press(Qt::Key_1);
        h.messages.shown.clear();
        h.messages.parentVisible.clear();
        h.messages.choices = {true, false};
        h.press(Qt::Key_Escape);
        QCOMPARE(h.messages.shown.size(), 2);
        for (const QString& shown : h.messages.shown)
            QVERIFY(
                shown.startsWith(QStringLiteral("Fehler: Die Datei \"Schichtmarkierung.dat\"")) &&
                shown.endsWith(QStringLiteral("[Wiederholen|Ohne Speichern beenden]")));
        QCOMPARE(h.messages.parentVisible, (QList<bool>{true, true}));
        QVERIFY(h.window->quitRequested());
        QVERIFY(std::filesystem::is_directory(h.folder.path() / kShiftMarkingFileName));
    }

    void unreadableMarkingFileIsToldAndKept() {
        Harness h([](const std::filesystem::path& folder) {
            std::filesystem::create_directory(folder / kShiftMarkingFileName);
        });
        QCOMPARE(h.messages.shown.size(), 1);
        QVERIFY(h.messages.shown[0].startsWith(
            QStringLiteral("Fehler: Die Datei \"Schichtmarkierung.dat\" konnte nicht gelesen")));
        markWith(Qt::Key_X);
        h.press(Qt::Key_1);
        h.window->tell(h.session.saveMarkingsAndBars());
        QCOMPARE(h.messages.shown.size(), 2);
        QVERIFY(h.messages.shown[1].startsWith(QStringLiteral("Fehler: ")));
        QVERIFY(std::filesystem::is_directory(h.folder.path() / kShiftMarkingFileName));
    }

    // A changed marking is written a few seconds after the change. While another installation
    // holds the lock, the failure is not told; the marking stays changed and the end saves it.
    void changesAreWrittenSoonAfterTheLastOne() {
        for (const bool lockHeld : {false, true}) {
            Harness h;
            int error = 0;
            std::optional<FileLock> held;
            if (lockHeld)
                held = FileLock::acquire(h.folder.path() / kFolderLockFileName, {}, error);
            markWith(Qt::Key_U);
            h.press(Qt::Key_1);
            QVERIFY(h.fileBytes(kShiftMarkingFileName).empty());
            if (!lockHeld) {
                QTRY_COMPARE_WITH_TIMEOUT(h.fileBytes(kShiftMarkingFileName),
                                          christmasEveRecord(2, Vacation), 5000);
                QVERIFY(!h.state().shiftMarkings.changed);
            } else {
                QTest::qWait(3500); // the save has waited for the lock in vain
                QVERIFY(h.state().shiftMarkings.changed);
                held.reset();
                h.press(Qt::Key_Escape);
                QCOMPARE(h.fileBytes(kShiftMarkingFileName), christmasEveRecord(2, Vacation));
            }
            QVERIFY(h.messages.shown.isEmpty());
        }
    }

    // The start offers what the last end could not save: "Ja" merges it with the file as it
    // is now and removes the kept file, "Nein" leaves both for the next start.
    void keptEntriesAreOfferedAtTheStart() {
        for (const bool taken : {true, false}) {
            Harness h([](const std::filesystem::path& folder) {
                ShiftMarkingList other(std::vector<ShiftMarking>{{kChristmasEve, 1, Sick}});
                QVERIFY(saveShiftMarkings(test::TestStore{}, folder, other).ok);
            });
            UnsavedEntries unsaved;
            unsaved.dataFolder = h.folder.path();
            unsaved.markings = EditedEntries<ShiftMarking>{{},
                                                           {{kChristmasEve - 3, 2, Vacation},
                                                            {kChristmasEve - 2, 2, Vacation},
                                                            {kChristmasEve - 1, 2, Vacation}}};
            const KeptEntriesFile kept =
                keepUnsavedEntries(h.files, h.kept.path(), unsaved, {2016, 12, 23, 22, 0, 0});
            QVERIFY(kept.failure.empty());
            h.messages.answer = taken;
            h.window->offerKeptEntries();
            QCOMPARE(h.messages.shown,
                     QStringList{QStringLiteral("Frage: Beim letzten Ende konnten 3 "
                                                "Schichtmarkierungen nicht gespeichert werden. "
                                                "Jetzt übernehmen?")});
            QCOMPARE(std::filesystem::exists(kept.file), !taken);
            const std::size_t shown = taken ? 4 : 1;
            QCOMPARE(h.state().shiftMarkings.entries().size(), shown);
            QCOMPARE(loadShiftMarkings(test::TestStore{}, h.folder.path()).entries().size(), shown);
        }
    }
};

QTEST_MAIN(MainWindowMarkingsTest)
#include "MainWindowMarkingsTest.moc"
