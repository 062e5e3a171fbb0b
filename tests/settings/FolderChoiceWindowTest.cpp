#include "settings/qt/FolderChoiceWindow.h"

#include "RecordingMessageBoxes.h"
#include "TemporaryFolder.h"
#include "platform/AtomicFile.h"
#include "settings/SettingsFile.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <functional>

namespace tp {

namespace {

namespace fs = std::filesystem;

QString nativeFolder(const fs::path& folder) {
    return QString::fromStdString(folderPathText(folder));
}

void whenWindowOpens(const std::function<void(FolderChoiceWindow&)>& userAction) {
    QTimer::singleShot(0, [userAction] {
        auto* window = qobject_cast<FolderChoiceWindow*>(QApplication::activeModalWidget());
        QVERIFY(window);
        userAction(*window);
    });
}

} // namespace

class FolderChoiceWindowTest : public QObject {
    Q_OBJECT

    struct Installation {
        test::TemporaryFolder start;
        test::TemporaryFolder elsewhere;
        fs::path dataRoot = start.path() / "TPDaten";
        fs::path userFolder = dataRoot / "Programm";
        ProgramSettings settings;
        test::RecordingMessageBoxes messages;
        SystemFileSystem files;

        Installation() {
            fs::create_directories(userFolder);
            writeFileAtomically(userFolder / "20261124.txt", "note");
            settings.userDataFolder = folderPathText(dataRoot);
        }
        UserDataPlace place() const { return {dataRoot, "Programm", userFolder}; }
    };

  private slots:
    void opensTwoLevelsAboveTheDataFolder() {
        Installation installation;
        FolderChoiceWindow window(installation.userFolder);
        QCOMPARE(window.windowTitle(), QStringLiteral("Wähle das neue Programmverzeichnis"));
        QCOMPARE(window.pathField()->text(), nativeFolder(installation.start.path()));
        QVERIFY(window.pathField()->isReadOnly());
    }

    // The folders are listed in the background; the tree still ends up open at the start
    // folder, its contents shown and the folder itself in view.
    void opensExpandedAndScrolledToTheStartFolder() {
        Installation installation;
        FolderChoiceWindow window(installation.userFolder);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QTreeView* tree = window.folderTree();
        const QModelIndex start = tree->currentIndex();
        QCOMPARE(window.pathField()->text(), nativeFolder(installation.start.path()));
        QTRY_COMPARE(tree->model()->rowCount(start), 1); // "TPDaten"
        QTest::qWait(200);
        for (QModelIndex index = start; index.isValid(); index = index.parent())
            QVERIFY(tree->isExpanded(index));
        QVERIFY(tree->viewport()->rect().contains(tree->visualRect(start)));
        QVERIFY(
            tree->viewport()->rect().contains(tree->visualRect(start.model()->index(0, 0, start))));
    }

    void chosenFolderReceivesTheData() {
        Installation installation;
        const fs::path chosen = installation.elsewhere.path();
        whenWindowOpens([chosen](FolderChoiceWindow& window) {
            window.selectFolder(QString::fromStdString(chosen.string()));
            QCOMPARE(window.pathField()->text(), nativeFolder(chosen));
            QTest::mouseClick(window.chooseButton(), Qt::LeftButton);
        });
        int saves = 0;
        const DataFolderMove move =
            chooseAndMoveDataFolder(nullptr, installation.messages, installation.files,
                                    installation.place(), installation.settings, [&] { ++saves; });
        QVERIFY(move.moved);
        QCOMPARE(saves, 1);
        QVERIFY(fs::exists(chosen / "TPDaten" / "Programm" / "20261124.txt"));
    }

    void existingFolderBringsTheQuestionAndTheFolderInUseIsRefused() {
        Installation installation;
        const fs::path target = installation.elsewhere.path() / "TPDaten" / "Programm";
        fs::create_directories(target);
        writeFileAtomically(target / "1.jnt", "theirs");
        installation.messages.answer = false;
        const DataFolderMove joined = moveDataFolderAsking(
            nullptr, installation.messages, installation.files, installation.place(),
            nativeFolder(installation.elsewhere.path()), installation.settings, {});
        QVERIFY(joined.moved);
        QVERIFY(fs::exists(target / "1.jnt"));
        QVERIFY(!fs::exists(target / "20261124.txt"));

        const DataFolderMove same = moveDataFolderAsking(
            nullptr, installation.messages, installation.files,
            {installation.dataRoot, "Programm", target},
            nativeFolder(installation.elsewhere.path()), installation.settings, {});
        QVERIFY(!same.moved);
        QCOMPARE(installation.messages.shown,
                 (QStringList{QStringLiteral("Frage: Das Verzeichnis existiert bereits! Sollen "
                                             "bereits vorhandene Dateien gelöscht und "
                                             "überschrieben werden?"),
                              QStringLiteral(
                                  "Fehler: Das neue Verzeichnis konnte nicht eröffnet werden!")}));
        QVERIFY(fs::exists(target / "1.jnt"));
    }
};

} // namespace tp

QTEST_MAIN(tp::FolderChoiceWindowTest)
#include "FolderChoiceWindowTest.moc"
