#include "shell/qt/MainWindow.h"
#include "display/PageGeometry.h"
#include "model/qt/CalendarTypeDialog.h"
#include "model/qt/DateEntryDialog.h"
#include "session/Session.h"
#include "settings/SettingsFile.h"
#include "shell/qt/Application.h"
#include "shell/qt/PageCanvas.h"
#include "shell/qt/SessionEnd.h"

#include "MainWindowFixture.h"
#include "TemporaryFolder.h"

#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <csignal>
#include <memory>

using namespace tp;

namespace {

// A main window started on Saturday 24 December 2016 with scripted dialogs.
struct Harness : test::MainWindowFixture {
    explicit Harness(QSize desktopSize = QSize(5000, 3000), int lastColumnIndex = 5,
                     int fontSize = 10) {
        desktop = desktopSize;
        ProgramSettings settings;
        settings.lastColumnIndex = static_cast<std::int8_t>(lastColumnIndex);
        settings.font.size = fontSize;
        session.applySettings(settings);
        openWindow();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    }
    QString text(Gadget gadget) const {
        return static_cast<QLineEdit*>(window->gadget(gadget))->text();
    }
    // A point of the canvas inside day `day` of month column `column`.
    QPoint dayCell(int column, int day, int unit = 3) const {
        return {column * 18 * state().units.w + unit * state().units.w + 2,
                day * state().units.h + 3};
    }
};

constexpr ViewPosition kStartView{2016, 12, 0, 24};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsOnTodayWithSixColumns() {
        Harness h;
        QCOMPARE(h.window->windowTitle(),
                 QStringLiteral(
                     "Valdor Turnoplaner - Benutzername: Programm - Kalender: Wendring PM 1"));
        QCOMPARE(h.window->palette().color(QPalette::Window), QColor(0xEC, 0xE9, 0xD8));
        QCOMPARE(h.state().view, kStartView);
        QCOMPARE(pageWidthOf(h.state()), 108);
        QVERIFY(h.state().units.w > 0 && h.state().units.h > 0);
        QCOMPARE(h.window->size(), QSize(108 * h.state().units.w, 40 * h.state().units.h));
        QCOMPARE(
            h.text(Gadget::InfoLine),
            QStringLiteral(
                "Samstag, 24. Dezember 2016\u00A0-\u00A0Heiliger Abend\u00A0-\u00A0Adam, Eva"));
        QCOMPARE(h.text(Gadget::AstronomyLine),
                 QStringLiteral(
                     "Dämmerung: 7:24 - 16:56,\u00A0Sonne: 8:00 - 16:19,\u00A0Mond: 3:00 - 13:46"));
        QVERIFY(h.window->gadget(Gadget::VacationBlockToggle)->isVisible());
        QVERIFY(h.messages.shown.isEmpty());
    }

    void gadgetsStandAroundThePage() {
        Harness h;
        const int w = h.state().units.w;
        const int rowHeight = h.state().units.h;
        const int windowWidth = h.window->width();
        const auto at = [&](Gadget gadget) { return h.window->gadget(gadget)->geometry(); };

        // The page spans the window two rows below its top.
        const QRect page = at(Gadget::Canvas);
        QCOMPARE(page, QRect(0, 2 * rowHeight, windowWidth, 32 * rowHeight + 2));

        // Above it one row of buttons: "+", F1 .. F12 in key order, "-"; one unit spare on
        // either side.
        const Gadget buttons[] = {Gadget::MoreColumns,  Gadget::YearBack,    Gadget::MonthBack,
                                  Gadget::MonthForward, Gadget::YearForward, Gadget::PageBack,
                                  Gadget::Today,        Gadget::PageForward, Gadget::Date,
                                  Gadget::Note,         Gadget::ProgramMenu, Gadget::User,
                                  Gadget::Info,         Gadget::FewerColumns};
        QCOMPARE(at(Gadget::MoreColumns).left(), w);
        QCOMPARE(windowWidth - (at(Gadget::FewerColumns).right() + 1), w);
        for (int index = 1; index < 14; ++index) {
            const QRect button = at(buttons[index]);
            QCOMPARE(button.top(), at(Gadget::MoreColumns).top());
            QVERIFY(button.bottom() < page.top());
            QVERIFY(at(buttons[index - 1]).right() < button.left());
            if (index < 13)
                QVERIFY(h.window->gadget(buttons[index])
                            ->toolTip()
                            .startsWith(QStringLiteral("[F%1] ").arg(index)));
        }

        // Below it the three status lines, one unit in from the left, each with its field at
        // the right, one unit before the window's edge.
        const std::pair<Gadget, Gadget> lines[] = {
            {Gadget::InfoLine, Gadget::HoursField},
            {Gadget::NoteLine, Gadget::VacationField},
            {Gadget::AstronomyLine, Gadget::VacationBlockToggle},
        };
        int above = page.bottom();
        for (const auto& [line, field] : lines) {
            QCOMPARE(at(line).left(), w);
            QVERIFY(at(line).top() > above);
            QVERIFY(at(line).right() < at(field).left());
            QCOMPARE(windowWidth - (at(field).right() + 1), w);
            above = at(line).bottom();
        }
        QVERIFY(above < h.window->height());

        auto* today = static_cast<QPushButton*>(h.window->gadget(Gadget::Today));
        QCOMPARE(today->text(), QStringLiteral("Heute"));
        QCOMPARE(today->toolTip(), QStringLiteral("[F6] Setzt den Kursor auf den heutigen Tag"));
        QCOMPARE(h.window->gadget(Gadget::VacationBlockToggle)->toolTip(),
                 QStringLiteral("Urlaubsblockanzeige ein- und ausschalten"));
        for (const Gadget gadget : buttons)
            QCOMPARE(h.window->gadget(gadget)->font(), h.window->pageFont());
    }

    void navigationKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<ViewPosition>("expected");
        QTest::newRow("Down") << int(Qt::Key_Down) << ViewPosition{2016, 12, 0, 25};
        QTest::newRow("Up") << int(Qt::Key_Up) << ViewPosition{2016, 12, 0, 23};
        QTest::newRow("Right") << int(Qt::Key_Right) << ViewPosition{2016, 12, 1, 24};
        QTest::newRow("Left on column 0") << int(Qt::Key_Left) << kStartView;
        QTest::newRow("F1") << int(Qt::Key_F1) << ViewPosition{2015, 12, 0, 24};
        QTest::newRow("F2") << int(Qt::Key_F2) << ViewPosition{2016, 11, 0, 24};
        QTest::newRow("F3") << int(Qt::Key_F3) << ViewPosition{2017, 1, 0, 24};
        QTest::newRow("F4") << int(Qt::Key_F4) << ViewPosition{2017, 12, 0, 24};
        QTest::newRow("F5") << int(Qt::Key_F5) << ViewPosition{2016, 6, 0, 24};
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << ViewPosition{2016, 6, 0, 24};
        QTest::newRow("F7") << int(Qt::Key_F7) << ViewPosition{2017, 5, 0, 24};
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << ViewPosition{2017, 5, 0, 24};
    }
    void navigationKeys() {
        QFETCH(int, key);
        QFETCH(ViewPosition, expected);
        Harness h;
        h.press(Qt::Key(key));
        QCOMPARE(h.state().view, expected);
    }

    void todayComesBack() {
        for (const Qt::Key key : {Qt::Key_Home, Qt::Key_F6}) {
            Harness h;
            h.press(Qt::Key_F4);
            h.press(Qt::Key_Right);
            h.press(Qt::Key_Up);
            h.press(key);
            QCOMPARE(h.state().view, kStartView);
        }
    }

    void calendarTypeKeys() {
        Harness h;
        QWidget* toggle = h.window->gadget(Gadget::VacationBlockToggle);
        h.press(Qt::Key_N);
        QCOMPARE(numberOf(h.state().calendarType), 3);
        QVERIFY(toggle->isVisible());
        h.press(Qt::Key_N);
        QCOMPARE(numberOf(h.state().calendarType), 0);
        QVERIFY(toggle->isVisible());
        h.press(Qt::Key_B);
        QCOMPARE(numberOf(h.state().calendarType), 2);
        QVERIFY(!toggle->isVisible());
        h.press(Qt::Key_M);
        QCOMPARE(numberOf(h.state().calendarType), 1);
        QVERIFY(toggle->isVisible());
        h.press(Qt::Key_M);
        QCOMPARE(numberOf(h.state().calendarType), 4);
        QVERIFY(toggle->isVisible());
        h.press(Qt::Key_V);
        QCOMPARE(numberOf(h.state().calendarType), 6);
        QVERIFY(!toggle->isVisible());
        h.press(Qt::Key_C);
        QCOMPARE(numberOf(h.state().calendarType), 7);
        QVERIFY(!toggle->isVisible());
        h.press(Qt::Key_X);
        QCOMPARE(numberOf(h.state().calendarType), 5);
        QVERIFY(!toggle->isVisible());
    }

    void calendarTypeDialogSetsTheToggle() {
        Harness h;
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<CalendarTypeDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTest::mouseClick(dialog->option(6), Qt::LeftButton); // "Valdor Halmstett"
        });
        h.window->runCommand(Command::CalendarChoice);
        QCOMPARE(numberOf(h.state().calendarType), 6);
        QVERIFY(!h.window->gadget(Gadget::VacationBlockToggle)->isVisible());
    }

    void vacationBlockToggleFlipsTheFlag() {
        Harness h;
        auto* toggle = static_cast<QPushButton*>(h.window->gadget(Gadget::VacationBlockToggle));
        QVERIFY(h.state().switches.vacationBlock && toggle->isChecked());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(!h.state().switches.vacationBlock);
        QVERIFY(!toggle->isChecked());
        QTest::mouseClick(toggle, Qt::LeftButton);
        QVERIFY(h.state().switches.vacationBlock);
    }

    void sheetTypeIgnoresColumnCommands() {
        Harness h;
        h.press(Qt::Key_X);
        for (const Gadget button : {Gadget::Note, Gadget::MonthBack, Gadget::MonthForward,
                                    Gadget::MoreColumns, Gadget::FewerColumns})
            QVERIFY(!h.window->gadget(button)->isEnabled());
        QVERIFY(h.window->gadget(Gadget::YearBack)->isEnabled());
        QCOMPARE(h.text(Gadget::InfoLine), QStringLiteral("24. Dezember 2016"));
        QVERIFY(h.text(Gadget::NoteLine).startsWith("Der Kalender kann mit der Taste 'Z'"));
        for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_F2, Qt::Key_F3, Qt::Key_H})
            h.press(key);
        QCOMPARE(h.state().view, kStartView);
        QVERIFY(!h.offeredColour);
        h.press(Qt::Key_F5);
        QCOMPARE(h.state().view, (ViewPosition{2016, 6, 0, 24})); // 155 days back
        h.press(Qt::Key_F7);
        QCOMPARE(h.state().view, (ViewPosition{2016, 12, 0, 24})); // 186 days on
        h.press(Qt::Key_Home);
        QCOMPARE(h.state().view, kStartView);
        h.press(Qt::Key_N);
        QVERIFY(h.window->gadget(Gadget::MonthBack)->isEnabled());
    }

    void sheetStandsInTheMiddleOfThePageArea() {
        Harness h;
        const int w = h.state().units.w;
        const int h_ = h.state().units.h;
        const QRect columnsCanvas = h.window->gadget(Gadget::Canvas)->geometry();
        h.press(Qt::Key_X);
        // Six columns make the area much wider than 1.44 times its height.
        const int areaWidth = 108 * w;
        const int areaHeight = 32 * h_ + 2;
        const int cellWidth = static_cast<int>(std::lround(1.44 * areaHeight)) / 48;
        const int cellHeight = areaHeight / 40;
        const QRect sheet = h.window->gadget(Gadget::Canvas)->geometry();
        QCOMPARE(sheet.size(), QSize(48 * cellWidth + 4, 40 * cellHeight + 4));
        QCOMPARE(sheet.x(), (areaWidth - 48 * cellWidth) / 2);
        QCOMPARE(sheet.y(), 2 * h_ + (areaHeight - 40 * cellHeight) / 2);
        QVERIFY(sheet.x() > 0);
        h.press(Qt::Key_N);
        QCOMPARE(h.window->gadget(Gadget::Canvas)->geometry(), columnsCanvas);
    }

    void moreAndFewerColumns() {
        Harness h;
        const int w = h.state().units.w;
        h.press(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(h.state().lastColumnIndex, 6);
        QCOMPARE(h.window->width(), 126 * w);
        QTest::mouseClick(h.window->gadget(Gadget::FewerColumns), Qt::LeftButton);
        QCOMPARE(h.state().lastColumnIndex, 5);
        h.press(Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(h.state().lastColumnIndex, 5);
        QCOMPARE(h.window->width(), 108 * w);
        QVERIFY(h.messages.shown.isEmpty());
    }

    void columnsThatDoNotFitAreRefused() {
        Harness h;
        h.desktop = QSize(108 * h.state().units.w + 1, 3000);
        h.press(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(h.state().lastColumnIndex, 5);
        QCOMPARE(pageWidthOf(h.state()), 108);
        QCOMPARE(h.messages.shown,
                 QStringList{"Fehler: Die gewählte Anzahl der Kolumnen war für den Bildschirm "
                             "zu groß!"});
    }

    void twentyFourColumnsStayAsTheyAre() {
        Harness h(QSize(20000, 3000), 23);
        QCOMPARE(h.state().lastColumnIndex, 23);
        h.press(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(h.state().lastColumnIndex, 23);
        QCOMPARE(h.window->width(), 432 * h.state().units.w);
    }

    void fewerColumnsKeepTheCursorOnThePage() {
        Harness h(QSize(5000, 3000), 6);
        for (int step = 0; step < 6; ++step)
            h.press(Qt::Key_Right);
        QCOMPARE(h.state().view.cursorColumn, 6);
        h.press(Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(h.state().view.cursorColumn, 5);
    }

    void startUpFallsBackToSixColumnsThenWarns() {
        // Wide enough for nothing: the column count drops to six, then the font warning over
        // the page already on show, which stays on the desktop.
        Harness h(QSize(300, 200), 11);
        QCOMPARE(h.state().lastColumnIndex, 5);
        QCOMPARE(h.messages.shown,
                 QStringList{"Fehler: Der Zeichensatz ist für den Bildschirm zu groß!"});
        QCOMPARE(h.messages.parentVisible, QList<bool>{true});
        QCOMPARE(h.window->size(), QSize(300, 200));
        QVERIFY(h.window->frameGeometry().left() >= 0 && h.window->frameGeometry().top() >= 0);
    }

    // A stored size that no screen can hold is refused before a page is drawn: the page, the
    // warning and the font dialog use the default size, and that size is what is saved.
    void hugeStoredFontFallsBackToTheDefaultSize() {
        Harness h(QSize(1920, 1080), 5, 400);
        QCOMPARE(h.state().font.size, 10);
        QVERIFY(h.window->pageImage().width() < 1920);
        QVERIFY(h.window->pageImage().height() < 1080);
        QCOMPARE(h.messages.shown,
                 QStringList{"Fehler: Der Zeichensatz ist für den Bildschirm zu groß!"});
        QVERIFY(h.offeredFont.has_value());
        QCOMPARE(h.offeredFont->pointSize(), 10);
        QCOMPARE(h.offeredInApplicationFont.pointSize(), 10);
    }

    // Whatever size the screen claims, no page larger than the drawing limit is made.
    void pageBeyondTheDrawingLimitIsRefused() {
        Harness h(QSize(1'000'000, 1'000'000), 5, 400);
        QCOMPARE(h.state().font.size, 10);
        QVERIFY(h.window->pageImage().width() <= kLargestPageSide);
    }

    // The previous font comes back and the window fits it again: nothing is cut off.
    void fontTooLargeIsRefused_data() {
        QTest::addColumn<int>("room");
        QTest::newRow("desktop just large enough") << 1;
        QTest::newRow("room to spare") << 200;
    }
    void fontTooLargeIsRefused() {
        QFETCH(int, room);
        Harness h;
        const QFont before = h.window->pageFont();
        h.desktop = h.window->size() + QSize(room, room);
        QFont huge = before;
        huge.setPointSize(before.pointSize() * 4);
        h.fontAnswer = huge;
        h.press(Qt::Key_S);
        QCOMPARE(h.window->pageFont(), before);
        QCOMPARE(h.messages.shown,
                 QStringList{"Fehler: Der gewählte Zeichensatz war für den Bildschirm zu groß!"});
        QCOMPARE(h.window->size(), QSize(108 * h.state().units.w, 40 * h.state().units.h));
        for (const Gadget last : {Gadget::FewerColumns, Gadget::VacationBlockToggle})
            QVERIFY(h.window->rect().contains(h.window->gadget(last)->geometry()));
    }

    void fontThatFitsIsTaken() {
        Harness h;
        QFont bigger = h.window->pageFont();
        bigger.setPointSize(bigger.pointSize() + 4);
        bigger.setBold(true);
        h.fontAnswer = bigger;
        const int heightBefore = h.state().units.h;
        h.press(Qt::Key_S);
        QCOMPARE(h.window->pageFont(), bigger);
        QVERIFY(h.state().units.h > heightBefore);
        QCOMPARE(h.state().font.size, bigger.pointSize());
        QCOMPARE(h.state().font.style, 256);
        QCOMPARE(h.window->gadget(Gadget::InfoLine)->font(), bigger);
        QCOMPARE(h.window->height(), 40 * h.state().units.h);
    }

    void backgroundColour() {
        Harness h;
        h.colourAnswer = QColor(10, 20, 30);
        h.press(Qt::Key_H);
        QCOMPARE(h.offeredColour, QColor(0xEC, 0xE9, 0xD8));
        QCOMPARE(h.state().pageBackground, 0x1E140A);
        QCOMPARE(h.window->palette().color(QPalette::Window), QColor(10, 20, 30));
        h.colourAnswer.reset();
        h.press(Qt::Key_H);
        QCOMPARE(h.state().pageBackground, 0x1E140A);
    }

    void copyWithAndWithoutQuestion() {
        Harness h;
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        h.press(Qt::Key_Z);
        QCOMPARE(clipboard->image().size(), h.window->pageImage().size());
        QCOMPARE(h.messages.shown,
                 QStringList{"Information: Die Kalender wurde in die Zwischenablage kopiert."});

        clipboard->clear();
        h.messages.shown.clear();
        h.messages.answer = false;
        QTest::mouseClick(h.window->gadget(Gadget::Canvas), Qt::RightButton);
        QVERIFY(clipboard->image().isNull());
        QCOMPARE(h.messages.shown,
                 QStringList{"Frage: Soll der Kalender in die Zwischenablage kopiert werden?"});

        h.messages.answer = true;
        QTest::mouseClick(h.window->gadget(Gadget::Canvas), Qt::RightButton);
        QVERIFY(!clipboard->image().isNull());
        QCOMPARE(h.messages.shown.size(), 3);
    }

    void clicksPlaceTheCursor() {
        Harness h;
        QWidget* canvas = h.window->gadget(Gadget::Canvas);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, h.dayCell(2, 17));
        QCOMPARE(h.state().view, (ViewPosition{2016, 12, 2, 17}));
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(h.dayCell(4, 0).x(), 2));
        QCOMPARE(h.state().view, (ViewPosition{2016, 12, 4, 1}));
        // On the cursor day a click on a shift slot leaves the cursor where it is (and opens
        // the marking window, left at once).
        auto markingWindowOpened = std::make_shared<bool>(false);
        QTimer::singleShot(0, [markingWindowOpened] {
            if (QWidget* window = QApplication::activeModalWidget()) {
                *markingWindowOpened = true;
                window->close();
            }
        });
        QTest::mouseClick(canvas, Qt::LeftButton, {}, h.dayCell(1, 9, 12));
        QTest::mouseDClick(canvas, Qt::LeftButton, {}, h.dayCell(1, 9, 12));
        QVERIFY(*markingWindowOpened);
        QCOMPARE(h.state().view, (ViewPosition{2016, 12, 1, 9}));
    }

    void dateKeyOpensTheDateEntry() {
        for (const Qt::Key key : {Qt::Key_D, Qt::Key_F8}) {
            Harness h;
            QTimer::singleShot(0, [] {
                auto* dialog = qobject_cast<DateEntryDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->dateField()->setDate(QDate(2020, 2, 29));
                QTest::keyClick(dialog->dateField(), Qt::Key_Escape);
            });
            h.press(key);
            QCOMPARE(h.state().view, (ViewPosition{2020, 2, 0, 29}));
        }
    }

    void vacationCycleKeyRotatesTheDisplayedYearOnly() {
        Harness h;
        const BlockVacationTables before = h.state().blockVacationTables;
        h.press(Qt::Key_Y);
        const auto& after = h.state().blockVacationTables;
        // 2016 is served by the first table; its rows move left by one period.
        QCOMPARE(after[0][0][0], before[0][0][1]);
        QCOMPARE(after[0][0][4], before[0][0][0]);
        QVERIFY(after[1] == before[1] && after[2] == before[2]);
        QCOMPARE(h.state().vacation.cycle, 0); // in memory only
    }

    void earliestVacationStartKeyOpensItsWindow() {
        Harness h;
        QTimer::singleShot(0, [] {
            QWidget* window = QApplication::activeModalWidget();
            QVERIFY(window);
            QCOMPARE(window->windowTitle(), QStringLiteral("Frühester Urlaubsbeginn"));
            auto* field = window->findChild<QDateEdit*>();
            QVERIFY(field);
            field->setDate(QDate(field->date().year(), 5, 2));
            QTest::keyClick(field, Qt::Key_Escape);
        });
        h.press(Qt::Key_F);
        QCOMPARE(h.state().vacation.earliestStart, (MonthDay{5, 2}));
    }

    // After a click on a status field the arrow keys still move the cursor.
    void statusFieldsLeaveTheKeysToThePage() {
        for (const Gadget field : {Gadget::InfoLine, Gadget::NoteLine, Gadget::AstronomyLine,
                                   Gadget::HoursField, Gadget::VacationField}) {
            Harness h;
            QTest::mouseClick(h.window->gadget(field), Qt::LeftButton);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
            QCOMPARE(h.state().view.cursorColumn, 1);
            h.window->gadget(field)->setFocus();
            QTRY_VERIFY(!h.window->gadget(field)->hasFocus());
        }
    }

    // A line longer than its field ends visibly cut, and shows whole as its tool tip.
    void longAstronomyLineIsElided() {
        Harness h;
        auto* field = static_cast<QLineEdit*>(h.window->gadget(Gadget::AstronomyLine));
        QFont large = h.window->pageFont();
        large.setPointSize(30);
        field->setFont(large);
        h.press(Qt::Key_Down);
        QVERIFY(field->text().endsWith(QChar(0x2026)));
        QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) < field->width());
        const QString whole = field->toolTip();
        QVERIFY(whole.startsWith(QStringLiteral("Dämmerung: ")));
        QVERIFY(whole.startsWith(field->text().chopped(1)));
        QVERIFY(whole.length() > field->text().length());
    }

    // The session ends (SIGTERM, SIGHUP) while a dialog is open: the dialog is left, the
    // program quits as on Escape, and the changed column count is saved.
    void sessionEndQuitsLikeEscapeAndSaves() {
        for (const int signalNumber : {SIGTERM, SIGHUP}) {
            test::TemporaryFolder start;
            Harness h;
            QVERIFY(h.session.start(start.path()).ok());
            h.press(Qt::Key_Plus, Qt::KeypadModifier);
            QCOMPARE(h.state().lastColumnIndex, 6);

            SessionEndWatcher watcher([&h] { quitLikeEscape(*h.window); });
            QTimer::singleShot(50, [signalNumber] { std::raise(signalNumber); });
            h.press(Qt::Key_D); // the date dialog's own loop runs until the signal ends it
            QTRY_VERIFY(h.window->quitRequested());
            QVERIFY(!h.window->isVisible());
            QVERIFY(h.messages.shown.isEmpty());

            Session next(h.files, h.clock);
            QVERIFY(next.start(start.path()).ok());
            QCOMPARE(next.state().lastColumnIndex, 6);
        }
    }

    void escapeAndCloseBoxQuit() {
        for (const bool viaEscape : {true, false}) {
            Harness h;
            if (viaEscape)
                h.press(Qt::Key_Escape);
            else
                h.window->close();
            QVERIFY(h.window->quitRequested());
            QVERIFY(!h.window->isVisible());
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
