#include "accounts/qt/CalendarExportWindow.h"
#include "RecordingMessageBoxes.h"
#include "TemporaryFolder.h"
#include "accounts/AccountFiles.h"
#include "platform/AtomicFile.h"
#include "platform/qt/DateField.h"
#include "support/CommandLineRun.h"
#include "support/TestStore.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <sstream>

namespace tp {

namespace {

// The file without its DTSTAMP lines, the time of the export.
std::string withoutStamps(const std::string& text) {
    std::istringstream lines(text);
    std::string kept;
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with("DTSTAMP:"))
            kept += line + '\n';
    return kept;
}

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

class CalendarExportWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void writesTheFileOfTheCommand_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("userData");
        QTest::addColumn<int>("pickedCrew"); // -1 keeps the preselected crew
        QTest::addColumn<QString>("crewName");
        QTest::newRow("base crew with markings and bars") << 0 << true << -1 << "blau";
        QTest::newRow("another crew") << 0 << true << 4 << "braun";
        QTest::newRow("two shifts") << 2 << false << 2 << "gelb";
        QTest::newRow("four crews") << 7 << false << 2 << "C";
    }
    void writesTheFileOfTheCommand() {
        QFETCH(int, type);
        QFETCH(bool, userData);
        QFETCH(int, pickedCrew);
        QFETCH(QString, crewName);
        const test::TemporaryFolder folder;
        const DayNumber june = dayNumberOf(2026, 6, 1);
        ShiftMarkingList markings({{june + 2, 2, Course}, {june + 40, 3, Vacation}});
        markings.changed = true;
        CalendarBarList bars({{june + 5, june + 9, kDefaultBarColour}});
        bars.changed = true;
        HoursAccount hours;
        hours.baseCrew = 1; // blau
        QVERIFY(saveHoursAccount(test::TestStore{}, folder.path(), hours).ok);
        QVERIFY(saveShiftMarkings(test::TestStore{}, folder.path(), markings).ok);
        QVERIFY(saveCalendarBars(test::TestStore{}, folder.path(), bars).ok);

        CalendarExportInput input;
        input.system.calendarType = *calendarTypeFromNumber(type);
        input.baseCrew = hours.baseCrew;
        input.days = {june, dayNumberOf(2026, 9, 30)};
        if (userData) {
            input.markings = &markings;
            input.bars = &bars;
        }
        test::RecordingMessageBoxes messages;
        const FixedClock clock{LocalDateTime{2026, 5, 28, 20, 26, 40}};
        CalendarExportWindow window(input, clock, messages);
        QCOMPARE(window.windowTitle(), QStringLiteral("Kalender exportieren"));
        QCOMPARE(window.crewOptions()->checkedId(), 1);
        QCOMPARE(window.fromField()->date(), QDate(2026, 6, 1));
        QCOMPARE(window.toField()->date(), QDate(2026, 9, 30));
        if (pickedCrew >= 0)
            window.crewOptions()->button(pickedCrew)->click();
        const auto windowFile = folder.path() / "fenster.ics";
        window.fileField()->setText(pathText(windowFile));
        window.exportButton()->click();
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.shown.join('\n')));
        QCOMPARE(window.result(), int(QDialog::Accepted));

        const auto commandFile = folder.path() / "befehl.ics";
        std::vector<std::string> arguments{"ics",
                                           "2026-06-01",
                                           "2026-09-30",
                                           "--type",
                                           std::to_string(type),
                                           "--crew",
                                           crewName.toStdString(),
                                           "--out",
                                           commandFile.string()};
        if (userData) {
            arguments.push_back("--data");
            arguments.push_back(folder.path().string());
        }
        const test::CliRun run = test::runCli(arguments);
        QVERIFY2(run.status == 0, run.err.c_str());
        std::string fromWindow, fromCommand;
        QVERIFY(readWholeFile(windowFile, fromWindow));
        QVERIFY(readWholeFile(commandFile, fromCommand));
        QVERIFY(fromWindow.find("DTSTAMP:") != std::string::npos);
        QCOMPARE(withoutStamps(fromWindow), withoutStamps(fromCommand));
    }

    void refusesReversedDaysAndKeepsTheWindow() {
        const test::TemporaryFolder folder;
        CalendarExportInput input;
        input.days = {dayNumberOf(2026, 1, 1), dayNumberOf(2026, 3, 31)};
        test::RecordingMessageBoxes messages;
        CalendarExportWindow window(input, FixedClock{LocalDateTime{}}, messages);
        window.show();
        window.fromField()->setDate(QDate(2026, 4, 1));
        window.fileField()->setText(pathText(folder.path() / "k.ics"));
        window.exportButton()->click();
        QCOMPARE(messages.shown, QStringList{"Fehler: Das Enddatum liegt vor dem Anfangsdatum."});
        QVERIFY(window.isVisible());
        QVERIFY(!std::filesystem::exists(folder.path() / "k.ics"));
    }
};

} // namespace tp

QTEST_MAIN(tp::CalendarExportWindowTest)
#include "CalendarExportWindowTest.moc"
