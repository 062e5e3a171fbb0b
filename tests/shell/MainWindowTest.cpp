#include "shell/MainWindow.h"

#include <QTest>

using namespace tp;

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void titleAndBackground() {
        AppState state;
        MainWindow window(state);
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Valdor Turnoplaner - Benutzername: Programm"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0xEC, 0xE9, 0xD8));
    }

    void escapeAndCloseBoxQuit() {
        for (const bool viaEscape : {true, false}) {
            AppState state;
            MainWindow window(state);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (viaEscape)
                QTest::keyClick(&window, Qt::Key_Escape);
            else
                window.close();
            QVERIFY(state.quit);
            QVERIFY(!window.isVisible());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
