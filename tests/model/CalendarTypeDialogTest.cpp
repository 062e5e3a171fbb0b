#include "model/qt/CalendarTypeDialog.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace tp;

namespace {
constexpr int kUnitW = 8;
constexpr int kUnitH = 12;

void whenDialogOpens(std::function<void(CalendarTypeDialog*)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<CalendarTypeDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}
} // namespace

class CalendarTypeDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void optionsInOrderWithToolTips() {
        CalendarTypeDialog dialog(CalendarType::WendringPm1, kUnitW, kUnitH);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kalender"));
        const QStringList labels{"Wendring PM 1",        "Wendring Werk",      "Wendring Standard",
                                 "Wendring Zweischicht", "PM 1 mit 2er Block", "Werk mit 2er Block",
                                 "Valdor Halmstett",     "Brelling Karton"};
        for (int index = 0; index < labels.size(); ++index) {
            QRadioButton* option = dialog.option(index);
            QCOMPARE(option->text(), labels[index]);
            QCOMPARE(option->y(), (2 * index + 1) * kUnitH - 3);
        }
        QCOMPARE(dialog.option(2)->toolTip(),
                 QStringLiteral("Wendring Papier Standard Turnoplaner mit fünf Kolumnen"));
        QCOMPARE(dialog.option(6)->toolTip(), QStringLiteral("Das Vierschichtsystem in Halmstett"));
    }

    // All eight options whole inside the window, without a scroll bar, at small and large units;
    // the current type is marked and has the focus.
    void allOptionsWholeWithTheCurrentMarked_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("unitW");
        QTest::addColumn<int>("unitH");
        const int types[] = {0, 1, 5, 2, 3, 4, 6, 7};
        for (int option = 0; option < 8; ++option)
            QTest::addRow("type %d", types[option]) << option << types[option] << 8 << 12;
        QTest::addRow("narrow units") << 3 << 2 << 4 << 12;
        QTest::addRow("large units") << 7 << 7 << 14 << 24;
    }
    void allOptionsWholeWithTheCurrentMarked() {
        QFETCH(int, option);
        QFETCH(int, type);
        QFETCH(int, unitW);
        QFETCH(int, unitH);
        CalendarTypeDialog dialog(*calendarTypeFromNumber(type), unitW, unitH);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.findChildren<QScrollBar*>().isEmpty());
        for (int index = 0; index < kCalendarTypeCount; ++index) {
            QRadioButton* each = dialog.option(index);
            QVERIFY2(dialog.rect().contains(each->geometry()), qPrintable(each->text()));
            QVERIFY2(each->width() >= each->sizeHint().width(), qPrintable(each->text()));
            QVERIFY2(each->height() >= each->sizeHint().height(), qPrintable(each->text()));
            QCOMPARE(each->isChecked(), index == option);
        }
        QCOMPARE(QApplication::focusWidget(), dialog.option(option));
    }

    void clickChoosesTheType_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("type");
        const int types[] = {0, 1, 5, 2, 3, 4, 6, 7};
        for (int option = 0; option < 8; ++option)
            QTest::addRow("gadget %d", 301 + option) << option << types[option];
    }
    void clickChoosesTheType() {
        QFETCH(int, option);
        QFETCH(int, type);
        CalendarType chosen =
            type == 3 ? CalendarType::WerkTwoNightBlock : CalendarType::Pm1TwoNightBlock;
        whenDialogOpens([option](CalendarTypeDialog* dialog) {
            QTest::mouseClick(dialog->option(option), Qt::LeftButton);
        });
        QVERIFY(runCalendarTypeDialog(nullptr, chosen, kUnitW, kUnitH));
        QCOMPARE(numberOf(chosen), type);
    }

    void escapeAndCloseKeepTheType() {
        for (const bool viaEscape : {true, false}) {
            CalendarType chosen = CalendarType::ValdorHalmstett;
            whenDialogOpens([viaEscape](CalendarTypeDialog* dialog) {
                if (viaEscape)
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    dialog->close();
            });
            QVERIFY(!runCalendarTypeDialog(nullptr, chosen, kUnitW, kUnitH));
            QCOMPARE(chosen, CalendarType::ValdorHalmstett);
        }
    }
};

QTEST_MAIN(CalendarTypeDialogTest)
#include "CalendarTypeDialogTest.moc"
