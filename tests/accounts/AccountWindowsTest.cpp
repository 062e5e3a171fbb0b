#include "RecordingMessageBoxes.h"
#include "TemporaryFolder.h"
#include "accounts/AccountEntryText.h"
#include "accounts/qt/AccountEntryWindows.h"
#include "accounts/qt/YearlyHoursWindow.h"
#include "session/Session.h"
#include "support/TestStore.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace tp {

class AccountWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void hoursTextConversions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("toMinutes");
        QTest::addColumn<QString>("converted");
        QTest::newRow("7:30 to decimal") << "7:30" << false << "7,50";
        QTest::newRow("7,5 to minutes") << "7,5" << true << "7:30";
        QTest::newRow("negative") << "-1:45" << false << "-1,75";
        QTest::newRow("no number") << "abc" << false << "0,00";
    }
    void hoursTextConversions() {
        QFETCH(QString, text);
        QFETCH(bool, toMinutes);
        QFETCH(QString, converted);
        QCOMPARE(QString::fromStdString(convertedHoursText(text.toStdString(), toMinutes)),
                 converted);
    }

    void hoursWindowConvertsAndLimits() {
        HoursEntryWindow window({dayNumberOf(2016, 3, 1), 7.30f, true, 2, false},
                                dayNumberOf(2027, 5, 3));
        QCOMPARE(window.windowTitle(), QStringLiteral("Stunden eingeben"));
        QCOMPARE(window.hoursField()->text(), QStringLiteral("7:30"));
        QCOMPARE(window.dateField()->date(), QDate(2016, 3, 1));
        QCOMPARE(window.crewOptions()->checkedId(), 2);
        QCOMPARE(window.width(), 60 * window.fontMetrics().averageCharWidth());
        window.decimalOption()->click();
        QCOMPARE(window.hoursField()->text(), QStringLiteral("7,50"));
        window.minutesOption()->click();
        QCOMPARE(window.hoursField()->text(), QStringLiteral("7:30"));
        window.decimalOption()->click();
        window.hoursField()->setText(QStringLiteral("700"));
        window.blockBox()->click();
        QCOMPARE(window.enteredAccount(),
                 (HoursAccount{dayNumberOf(2016, 3, 1), 600.0f, false, 2, true}));
        window.hoursField()->setText(QStringLiteral("-12,25"));
        QCOMPARE(window.enteredAccount().hours, -12.25f);
        const HoursEntryWindow fresh({0, 0.0f, false, 0, false}, dayNumberOf(2027, 5, 3));
        QCOMPARE(fresh.hoursField()->text(), QString());
        QCOMPARE(fresh.dateField()->date(), QDate(2027, 5, 3));
    }

    void vacationWindowLimitsWhileTyping() {
        VacationEntryWindow window({dayNumberOf(2016, 1, 1), 0}, 4, 2016);
        QCOMPARE(window.windowTitle(), QStringLiteral("Urlaub eingeben"));
        QCOMPARE(window.daysField()->text(), QString());
        QCOMPARE(window.dateField()->minimumDate(), QDate(2016, 1, 1));
        QCOMPARE(window.dateField()->maximumDate(), QDate(2016, 12, 31));
        QCOMPARE(window.chosenBaseCrew(), 4);
        QTest::keyClicks(window.daysField(), QStringLiteral("75"));
        QCOMPARE(window.daysField()->text(), QStringLiteral("60"));
        window.daysField()->clear();
        QTest::keyClicks(window.daysField(), QStringLiteral("-61"));
        QCOMPARE(window.daysField()->text(), QStringLiteral("-60"));
        QCOMPARE(window.enteredAccount(), (VacationAccount{dayNumberOf(2016, 1, 1), -60}));
    }

    void vacationWindowSavesBothFiles() {
        test::TemporaryFolder folder;
        QVERIFY(saveHoursAccount(test::TestStore{}, folder.path(), {100, 3.5f, false, 1, true}).ok);
        test::RecordingMessageBoxes messages;
        QTimer::singleShot(0, [] {
            auto* window = qobject_cast<VacationEntryWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            QTest::keyClicks(window->daysField(), QStringLiteral("25"));
            window->crewOptions()->button(3)->click();
            QTest::keyClick(window->daysField(), Qt::Key_Return);
        });
        const FixedClock clock({2016, 6, 15, 12, 0, 0});
        SystemFileSystem files;
        Session session(files, clock);
        session.openDataFolder(folder.path(), {});
        SessionReport report;
        const auto opened = session.vacationForEntry(report);
        QVERIFY(report.ok() && opened.account);
        const auto entered = runVacationEntryWindow(nullptr, opened.account->vacation,
                                                    opened.account->baseCrew, session.today());
        QVERIFY(entered);
        QVERIFY(
            session.saveVacationEntry(*opened.account, {entered->account, entered->baseCrew}).ok());
        QCOMPARE(loadVacationAccount(test::TestStore{}, folder.path()).account,
                 (VacationAccount{dayNumberOf(2016, 1, 1), 25}));
        QCOMPARE(loadHoursAccount(test::TestStore{}, folder.path()).account,
                 (HoursAccount{100, 3.5f, false, 3, true}));
    }

    void unreadableHoursFileIsToldAndKept() {
        test::TemporaryFolder folder;
        std::filesystem::create_directory(folder.path() / kHoursAccountFileName);
        const FixedClock clock({2016, 6, 15, 12, 0, 0});
        SystemFileSystem files;
        Session session(files, clock);
        session.openDataFolder(folder.path(), {});
        const auto opened = session.hoursForEntry();
        QVERIFY(!opened.account);
        QVERIFY(opened.problem.find("konnte nicht gelesen werden") != std::string::npos);
        QVERIFY(!session.saveHoursEntry({}, {100, 1.0f, false, 0, false}).ok());
        QVERIFY(std::filesystem::is_directory(folder.path() / kHoursAccountFileName));
    }

    void yearlyHoursList() {
        ShiftSystem system;
        YearlyHoursWindow window(system, 2016, 1982.76f, 2088.0f);
        QCOMPARE(window.windowTitle(), QStringLiteral("Jahresstunden"));
        QCOMPARE(window.yearField()->minimum(), 2014);
        QCOMPARE(window.yearField()->maximum(), 2026);
        QTreeWidget* list = window.list();
        QCOMPARE(list->topLevelItemCount(), 15);
        QCOMPARE(list->headerItem()->text(4), QStringLiteral("Grün"));
        QCOMPARE(list->topLevelItem(2)->text(0), QStringLiteral("März"));
        QCOMPARE(list->topLevelItem(13)->text(5), QStringLiteral("1982,76"));
        QCOMPARE(list->topLevelItem(0)->background(1).color(), QColor(255, 0, 0));
        QCOMPARE(list->topLevelItem(0)->foreground(1).color(), QColor(255, 255, 255));
        QCOMPARE(list->topLevelItem(14)->background(5).color(), QColor(235, 167, 11));
        const QString january2016 = list->topLevelItem(0)->text(1);
        window.yearField()->setValue(2017);
        QCOMPARE(list->topLevelItemCount(), 15);
        QVERIFY(list->topLevelItem(0)->text(1) != january2016 ||
                list->topLevelItem(12)->text(1) != QString());

        system.calendarType = CalendarType::WendringTwoShift;
        YearlyHoursWindow twoShift(system, 2016, 1982.76f, 2088.0f);
        QCOMPARE(twoShift.list()->columnCount(), 4);
        QCOMPARE(twoShift.list()->topLevelItem(13)->text(3), QStringLiteral("2088,0"));
    }

    // The window opens as large as its table: every column and row in sight, no scrolling.
    void yearlyHoursWindowShowsTheWholeTable_data() {
        QTest::addColumn<int>("type");
        QTest::newRow("five crews") << 0;
        QTest::newRow("two shifts") << 2;
    }
    void yearlyHoursWindowShowsTheWholeTable() {
        QFETCH(int, type);
        ShiftSystem system;
        system.calendarType = *calendarTypeFromNumber(type);
        YearlyHoursWindow window(system, 2016, 1982.76f, 2088.0f);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTreeWidget* list = window.list();
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        QVERIFY(!list->verticalScrollBar()->isVisible());
        const QRect lastCell = list->visualItemRect(list->topLevelItem(14));
        QVERIFY(list->viewport()->rect().contains(lastCell));
        int columnsWidth = 0;
        for (int column = 0; column < list->columnCount(); ++column)
            columnsWidth += list->columnWidth(column);
        QVERIFY(columnsWidth <= list->viewport()->width());
    }
};

} // namespace tp

QTEST_MAIN(tp::AccountWindowsTest)
#include "AccountWindowsTest.moc"
