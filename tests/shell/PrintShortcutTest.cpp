#include "MainWindowFixture.h"

#include <QApplication>
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
};

} // namespace tp

QTEST_MAIN(tp::PrintShortcutTest)
#include "PrintShortcutTest.moc"
