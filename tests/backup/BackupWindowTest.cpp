#include "backup/qt/BackupWindow.h"
#include "MainWindowFixture.h"
#include "RecordingMessageBoxes.h"
#include "TemporaryFolder.h"
#include "session/Session.h"
#include "shell/qt/BackupController.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <filesystem>
#include <memory>

using namespace tp;
namespace fs = std::filesystem;

namespace {

QString textOf(const fs::path& path) {
    return QString::fromStdU16String(path.u16string());
}

// A session of the default user started in a temporary folder, with one marking saved.
struct StartedSession {
    StartedSession() {
        session.start(place.path());
        session.storeShiftMarking(16500, 1, 2);
        session.saveAll();
    }
    const ShiftMarking* marking(DayNumber day) const {
        return session.state().shiftMarkings.markingOf(day);
    }

    test::TemporaryFolder place;
    SystemFileSystem files;
    FixedClock clock{{2015, 3, 10, 9, 0, 0}};
    Session session{files, clock};
    SessionBackupActions actions{session};
    test::RecordingMessageBoxes messages;
    QString offered;        // what the save chooser was offered
    QString restoreArchive; // what the open chooser answers
    std::unique_ptr<BackupWindow> window;

    BackupWindow& open() {
        BackupFileChoosers choosers{
            .archiveToWrite =
                [this](QWidget*, const QString& suggested) {
                    offered = suggested;
                    return suggested;
                },
            .archiveToRestore = [this](QWidget*, const QString&) { return restoreArchive; },
            .backupFolder = [](QWidget*, const QString&) { return QString(); },
        };
        window = std::make_unique<BackupWindow>(actions, clock.now(), messages, choosers);
        return *window;
    }
};

} // namespace

class BackupWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void backupMadeNowIsWrittenAndListed() {
        StartedSession started;
        const fs::path folder = started.session.automaticBackupFolder();
        BackupWindow& window = started.open();
        QCOMPARE(window.windowTitle(), QStringLiteral("Sicherung"));
        QCOMPARE(window.folderLabel()->text(), textOf(folder));
        QCOMPARE(window.backupList()->topLevelItemCount(), 0);

        window.backupButton()->click();
        const fs::path archive = folder / "Turnoplaner-Programm-2015-03-10.zip";
        QCOMPARE(started.offered, textOf(archive));
        QVERIFY(fs::is_regular_file(archive));
        QCOMPARE(started.messages.shown,
                 QStringList{QStringLiteral("Information: Die Sicherung wurde in \"%1\" "
                                            "geschrieben.")
                                 .arg(textOf(archive))});
        QCOMPARE(window.backupList()->topLevelItemCount(), 1);
        const QTreeWidgetItem* row = window.backupList()->topLevelItem(0);
        QCOMPARE(row->text(0), QStringLiteral("Turnoplaner-Programm-2015-03-10.zip"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4} \\d\\d:\\d\\d$"))
                    .match(row->text(1))
                    .hasMatch());
        QCOMPARE(row->text(2), backupSizeText(fs::file_size(archive)));
    }

    void sizesAreShownInGermanUnits_data() {
        QTest::addColumn<qulonglong>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("bytes") << 800ULL << "800 Bytes";
        QTest::newRow("kilobytes") << 12ULL * 1024 << "12 KB";
        QTest::newRow("megabytes") << 3ULL * 1024 * 1024 / 2 << "1,5 MB";
    }
    void sizesAreShownInGermanUnits() {
        QFETCH(qulonglong, bytes);
        QFETCH(QString, shown);
        QCOMPARE(backupSizeText(bytes), shown);
    }

    void restoreAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }
    void restoreAsksFirst() {
        QFETCH(bool, yes);
        StartedSession started;
        const fs::path archive = started.place.path() / "Sicherung.zip";
        QVERIFY(started.session.writeBackup(archive).ok());
        started.session.storeShiftMarking(16501, 2, 3);
        started.session.saveAll();
        started.restoreArchive = textOf(archive);
        started.messages.answer = yes;

        BackupWindow& window = started.open();
        window.restoreButton()->click();
        QCOMPARE(started.messages.shown.front(),
                 QStringLiteral("Frage: Sicherung von Programm vom 2015-03-10 09:00:00:\n0 "
                                "Notizen, 1 Schichtmarkierungen, 0 Kalenderbalken.\n\nSollen die "
                                "Daten aus dieser Sicherung wiederhergestellt werden? Die jetzigen "
                                "Daten werden vorher gesichert."));
        QCOMPARE(window.restored(), yes);
        // The running session shows the restored data at once; "Nein" keeps the changed ones.
        QVERIFY(started.marking(16500));
        QCOMPARE(started.marking(16501) == nullptr, yes);
        QCOMPARE(started.messages.shown.size(), yes ? 2 : 1);
    }

    void controlSOpensTheWindowAndTheRestoredDataAreShownAtOnce() {
        test::TemporaryFolder place;
        test::MainWindowFixture fixture;
        Session& session = fixture.session;
        session.start(place.path());
        const DayNumber christmasEve = dayNumberOf(2016, 12, 24); // the fixture's today
        session.storeShiftMarking(christmasEve - 1, 1, 2);
        session.saveAll();
        const fs::path archive = place.path() / "Sicherung.zip";
        QVERIFY(session.writeBackup(archive).ok());
        session.storeShiftMarking(christmasEve, 1, 2);
        session.saveAll();
        fixture.backupFiles.archiveToRestore = [&](QWidget*, const QString&) {
            return textOf(archive);
        };
        fixture.openWindow();
        const QImage marked = fixture.window->pageImage();

        QString title;
        QTimer::singleShot(0, [&title] {
            auto* window = qobject_cast<BackupWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            title = window->windowTitle();
            window->restoreButton()->click();
            window->accept();
        });
        QTest::keyClick(fixture.window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(title, QStringLiteral("Sicherung"));
        QVERIFY(!fixture.state().shiftMarkings.markingOf(christmasEve));
        QVERIFY(fixture.window->pageImage() != marked);
    }

    void automaticBackupsCanBeTurnedOff() {
        StartedSession started;
        BackupWindow& window = started.open();
        QVERIFY(window.automaticBox()->isChecked());
        window.automaticBox()->setChecked(false);
        QVERIFY(started.messages.shown.isEmpty());
        QVERIFY(!started.session.automaticBackupsOn());

        QVERIFY(started.session.writeAutomaticBackup().ok());
        QVERIFY(!fs::exists(started.session.automaticBackupFolder()));
        // The choice is kept for the next run.
        Session next(started.files, started.clock);
        next.start(started.place.path());
        QVERIFY(!next.automaticBackupsOn());
    }
};

QTEST_MAIN(BackupWindowTest)
#include "BackupWindowTest.moc"
