#include "markings/qt/CalendarBarDialog.h"
#include "markings/qt/ShiftMarkingDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace tp {

namespace {

// Runs `userAction` on the modal window of type W once it is open.
template <typename W> void whenWindowOpens(const std::function<void(W&)>& userAction) {
    QTimer::singleShot(0, [userAction] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        QVERIFY(window);
        userAction(*window);
    });
}

const DayNumber kChristmasEve = dayNumberOf(2016, 12, 24);
const DayNumber kSunday = dayNumberOf(2016, 3, 13);

} // namespace

class MarkingDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void markingWindowShowsTheLayoutOfTheType() {
        ShiftMarkingDialog fiveCrews(CalendarType::WendringPm1, Vacation, 2, kChristmasEve);
        QCOMPARE(fiveCrews.windowTitle(), QStringLiteral("Schichtmarkierung eingeben"));
        QCOMPARE(fiveCrews.options()->buttons().size(), 7);
        QCOMPARE(fiveCrews.chosenCode(), int(Vacation));
        QCOMPARE(fiveCrews.dayLabel()->text(), QStringLiteral(" Frühschicht am 24.12.2016"));
        ShiftMarkingDialog fourCrews(CalendarType::BrellingKarton, 0, 4, kChristmasEve);
        QCOMPARE(fourCrews.options()->buttons().size(), 9);
        QCOMPARE(fourCrews.options()->button(8)->text(),
                 QStringLiteral("Schichtmarkierung löschen (Entf)"));
        QCOMPARE(fourCrews.dayLabel()->text(), QStringLiteral(" Schicht D am 24.12.2016"));
    }

    void letterKeysChooseAndAccept_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("U, five crews") << 0 << int(Qt::Key_U) << 2;
        QTest::newRow("Entf, five crews") << 1 << int(Qt::Key_Delete) << 6;
        QTest::newRow("X, four crews: Früh") << 6 << int(Qt::Key_X) << 0;
        QTest::newRow("F, four crews: Freizeit") << 7 << int(Qt::Key_F) << 3;
        QTest::newRow("A, four crews") << 7 << int(Qt::Key_A) << 7;
        QTest::newRow("Escape") << 0 << int(Qt::Key_Escape) << -1;
    }
    void letterKeysChooseAndAccept() {
        QFETCH(int, type);
        QFETCH(int, key);
        QFETCH(int, code);
        whenWindowOpens<ShiftMarkingDialog>(
            [key](ShiftMarkingDialog& window) { QTest::keyClick(&window, Qt::Key(key)); });
        QCOMPARE(
            runShiftMarkingDialog(nullptr, static_cast<CalendarType>(type), 0, 1, kChristmasEve),
            code);
    }

    void enteringReplacesAndRespectsTheColumns() {
        ShiftMarkingList markings({{kChristmasEve, 2, ExtraWork}});
        whenWindowOpens<ShiftMarkingDialog>([](ShiftMarkingDialog& window) {
            QCOMPARE(window.chosenCode(), int(ExtraWork));
            QTest::keyClick(&window, Qt::Key_U);
        });
        QVERIFY(enterShiftMarking(nullptr, markings, CalendarType::WendringPm1, kChristmasEve, 4));
        QCOMPARE(markings.entries().size(), std::size_t(1));
        QCOMPARE(int(markings.entries()[0].code), int(Vacation));
        QCOMPARE(int(markings.entries()[0].column), 4);
        // No window opens for the late shift on a Sunday.
        QVERIFY(!enterShiftMarking(nullptr, markings, CalendarType::WendringPm1, kSunday, 3));
    }

    void columnChoiceOnASunday() {
        ShiftColumnDialog fiveCrews(CalendarType::WendringPm1, kSunday, 3);
        QCOMPARE(fiveCrews.windowTitle(), QStringLiteral("Schichtspalte eingeben"));
        QVERIFY(!fiveCrews.options()->button(3)->isEnabled());
        QCOMPARE(fiveCrews.options()->button(2)->text(), QStringLiteral("Frühschicht"));
        ShiftColumnDialog fourCrews(CalendarType::ValdorHalmstett, kSunday, 3);
        QVERIFY(fourCrews.options()->button(3)->isEnabled());
        QCOMPARE(fourCrews.chosenColumn(), 3);
        whenWindowOpens<ShiftColumnDialog>(
            [](ShiftColumnDialog& window) { QTest::keyClick(&window, Qt::Key_Escape); });
        QCOMPARE(chooseShiftColumn(nullptr, CalendarType::WendringPm1, kSunday, 2), 0);
    }

    void barWindowStartsWithTheBarOfTheDay() {
        const CalendarBarList bars({{100, 110, 0x123456}});
        CalendarBarDialog inside(barShownForDay(bars, 105), chooseColourWithQt);
        QCOMPARE(inside.windowTitle(), QStringLiteral("Eingabe einer Kalendermarkierung"));
        QCOMPARE(inside.startDay(), 100);
        QCOMPARE(inside.endDay(), 110);
        QCOMPARE(inside.colour(), 0x123456u);
        QCOMPARE(inside.startField()->displayFormat(), QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(inside.endField()->maximumDate(), QDate(2037, 7, 31));
        CalendarBarDialog outside(barShownForDay(bars, 120), chooseColourWithQt);
        QCOMPARE(outside.startDay(), 120);
        QCOMPARE(outside.endDay(), 120);
        QCOMPARE(outside.colour(), kDefaultBarColour);
    }

    void savingSwapsReversedDatesAndKeepsBlackVisible() {
        CalendarBarList bars;
        int chooserCalls = 0;
        const ColourChooser chooser = [&chooserCalls](const QColor&, QWidget*) {
            ++chooserCalls;
            return chooserCalls == 1 ? std::optional<QColor>(Qt::black) : std::nullopt;
        };
        whenWindowOpens<CalendarBarDialog>([](CalendarBarDialog& window) {
            window.startField()->setDate(QDate(1970, 1, 20));
            window.endField()->setDate(QDate(1970, 1, 10));
            window.colourButton()->click(); // black
            window.colourButton()->click(); // cancelled: stays black
            window.saveButton()->click();
        });
        QVERIFY(editCalendarBar(nullptr, bars, 5, chooser));
        QCOMPARE(chooserCalls, 2);
        QCOMPARE(bars.bars(), (std::vector<CalendarBar>{{9, 19, kNearestBarBlack}}));
    }

    void deleteTakesTheBarAroundTheEnteredStart() {
        CalendarBarList bars({{10, 20, 1}, {30, 40, 2}});
        whenWindowOpens<CalendarBarDialog>([](CalendarBarDialog& window) {
            window.startField()->setDate(QDate(1970, 2, 5)); // day 35
            window.endField()->setDate(QDate(1970, 2, 10));
            window.deleteButton()->click();
        });
        QVERIFY(editCalendarBar(nullptr, bars, 15, chooseColourWithQt));
        QCOMPARE(bars.bars(), (std::vector<CalendarBar>{{10, 20, 1}}));
    }
};

} // namespace tp

QTEST_MAIN(tp::MarkingDialogsTest)
#include "MarkingDialogsTest.moc"
