#include "platform/qt/ScreenFit.h"
#include "RecordingMessageBoxes.h"
#include "TemporaryFolder.h"
#include "accounts/qt/CalendarExportWindow.h"
#include "accounts/qt/YearlyHoursWindow.h"
#include "help/qt/HelpTextWindow.h"
#include "help/qt/InfoWindow.h"
#include "model/qt/CalendarTypeDialog.h"
#include "notes/qt/DayNoteEditor.h"
#include "notes/qt/NotesTextWindow.h"
#include "session/Session.h"

#include <QPlainTextEdit>
#include <QtTest>

#include <functional>
#include <memory>

namespace tp {

class ScreenFitTest : public QObject {
    Q_OBJECT

  private slots:
    void fittedFrame_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("inside stays") << QRect(100, 100, 400, 300) << QRect(100, 100, 400, 300);
        QTest::newRow("title bar above the screen")
            << QRect(200, -20, 800, 600) << QRect(200, 24, 800, 600);
        QTest::newRow("off the bottom right")
            << QRect(1000, 500, 500, 400) << QRect(866, 368, 500, 400);
        QTest::newRow("taller than the screen")
            << QRect(300, 0, 400, 1000) << QRect(300, 24, 400, 744);
    }
    void fittedFrame() {
        QFETCH(QRect, frame);
        QFETCH(QRect, fitted);
        QCOMPARE(tp::fittedFrame(frame, QRect(0, 24, 1366, 744)), fitted);
    }

    // Shown on a small screen area, every window lies inside it with its frame, and its text
    // area stays inside the window (it scrolls).
    void windowsFitASmallArea_data() {
        QTest::addColumn<std::function<QWidget*()>>("open");
        const QFont font;
        QTest::newRow("Notizen") << std::function<QWidget*()>([font] {
            return new NotesTextWindow(QStringLiteral("Notizen für den 24.12.2026"),
                                       QStringLiteral("Eine Notiz"), {8, 16, font, Qt::white});
        });
        QTest::newRow("Programminfo") << std::function<QWidget*()>([font] {
            return new HelpTextWindow(HelpTopic::ProgramInfo, {{8, 16}, 0xD8E9EC, font});
        });
        QTest::newRow("Info") << std::function<QWidget*()>([font] {
            return new InfoWindow({{8, 16}, 0xD8E9EC, font});
        });
        QTest::newRow("Tagesnotiz") << std::function<QWidget*()>([this] {
            session_.openDataFolder(folder_.path(), {});
            return new DayNoteEditor({session_, messages_, dayNumberOf(2026, 12, 24), 8, 16});
        });
        QTest::newRow("Jahresstunden") << std::function<QWidget*()>(
            [] { return new YearlyHoursWindow(ShiftSystem{}, 2026, 1982.76f, 2088.0f); });
        QTest::newRow("Kalender") << std::function<QWidget*()>(
            [] { return new CalendarTypeDialog(CalendarType::BrellingKarton, 8, 16); });
        QTest::newRow("Kalender exportieren") << std::function<QWidget*()>(
            [this] { return new CalendarExportWindow(CalendarExportInput{}, clock_, messages_); });
    }
    void windowsFitASmallArea() {
        QFETCH(std::function<QWidget*()>, open);
        const std::unique_ptr<QWidget> window(open());
        window->move(300, -40);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        // Half the offscreen screen, with a panel above it.
        const QRect screen = availableAreaOf(*window);
        const QRect area(screen.left(), screen.top() + 30, screen.width() / 2, screen.height() / 2);
        fitIntoArea(*window, area);
        const QRect frame(window->pos(), window->size().grownBy(frameMarginsOf(*window)));
        QVERIFY2(area.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                      .arg(frame.x())
                                                      .arg(frame.y())
                                                      .arg(frame.width())
                                                      .arg(frame.height())));
        for (QPlainTextEdit* text : window->findChildren<QPlainTextEdit*>())
            QVERIFY(window->rect().contains(text->geometry()));
    }

    // A window too tall for the screen is made to fit when it is shown.
    void aTallWindowFitsWhenShown() {
        const QRect screen = availableAreaOf(QWidget());
        const int unitH = screen.height() / 40; // 60 rows: half again as tall as the screen
        NotesTextWindow window(QStringLiteral("Notizen"), QStringLiteral("Text"),
                               {8, unitH, QFont(), Qt::white});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect frame(window.pos(), window.size().grownBy(frameMarginsOf(window)));
        QVERIFY(screen.contains(frame));
        QVERIFY(window.rect().contains(window.textField()->geometry()));
    }

  private:
    test::TemporaryFolder folder_;
    SystemFileSystem disk_;
    FixedClock clock_{{2026, 12, 24, 12, 0, 0}};
    Session session_{disk_, clock_};
    test::RecordingMessageBoxes messages_;
};

} // namespace tp

QTEST_MAIN(tp::ScreenFitTest)
#include "ScreenFitTest.moc"
