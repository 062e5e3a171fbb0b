#include "MainWindowFixture.h"
#include "accounts/qt/CalendarExportWindow.h"
#include "platform/qt/DateField.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <memory>

namespace tp {

class PrintShortcutTest : public QObject {
    Q_OBJECT

  private slots:
    // Ctrl+P asks where to print, with one A4 landscape sheet already chosen; cancelling
    // prints nothing and leaves the window as it was.
    void ctrlPOpensThePrintDialogForA4Landscape() {
        test::MainWindowFixture fixture;
        fixture.clock = FixedClock{LocalDateTime{2026, 12, 7, 9, 30, 0}};
        fixture.session.applySettings(ProgramSettings{});
        fixture.startWindow();
        MainWindow& window = *fixture.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage before = window.pageImage();

        bool shown = false;
        QPageLayout layout;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                shown = true;
                layout = dialog->printer()->pageLayout();
                dialog->reject();
            }
        });
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(shown);
        QCOMPARE(layout.orientation(), QPageLayout::Landscape);
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(window.pageImage(), before);
    }

    // Ctrl+E opens the export for the months on the page, the base crew chosen.
    void ctrlEOpensTheExportForTheShownMonths() {
        test::MainWindowFixture fixture;
        fixture.clock = FixedClock{LocalDateTime{2026, 12, 7, 9, 30, 0}};
        test::TemporaryFolder folder;
        QVERIFY(saveHoursAccount(test::TestStore{}, folder.path(), {0, 0.0f, false, 2, false}).ok);
        fixture.session.applySettings(ProgramSettings{});
        fixture.session.openDataFolder(folder.path(), {});
        fixture.startWindow();
        MainWindow& window = *fixture.window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        test::RecordingMessageBoxes& messages = fixture.messages;

        QString title;
        int crew = -1;
        QDate from, to;
        QTimer::singleShot(0, [&] {
            if (auto* dialog =
                    qobject_cast<CalendarExportWindow*>(QApplication::activeModalWidget())) {
                title = dialog->windowTitle();
                crew = dialog->crewOptions()->checkedId();
                from = dialog->fromField()->date();
                to = dialog->toField()->date();
                dialog->reject();
            }
        });
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(title, QStringLiteral("Kalender exportieren"));
        QCOMPARE(crew, 2);
        QCOMPARE(from, QDate(2026, 12, 1));
        QCOMPARE(to, QDate(2026, 12, 1).addMonths(fixture.state().lastColumnIndex + 1).addDays(-1));
        QVERIFY(messages.shown.isEmpty());
    }
};

} // namespace tp

QTEST_MAIN(tp::PrintShortcutTest)
#include "PrintShortcutTest.moc"
