#include "model/qt/DateEntryDialog.h"

#include <QDateEdit>
#include <QTest>
#include <QTimer>

using namespace tp;

namespace {
constexpr int kUnitW = 8;
constexpr int kUnitH = 12;

// Runs `action` on the dialog once it is open and modal.
void whenDialogOpens(std::function<void(DateEntryDialog*)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<DateEntryDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(dialog);
    });
}
} // namespace

class DateEntryDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheSelectedDay_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("cursorDay");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("first column") << 2016 << 12 << 0 << 24 << QDate(2016, 12, 24);
        QTest::newRow("column across new year") << 2016 << 11 << 3 << 5 << QDate(2017, 2, 5);
        QTest::newRow("first day of range") << 1970 << 1 << 0 << 1 << QDate(1970, 1, 1);
        // A cursor month after July 2037 falls back to July 2037.
        QTest::newRow("beyond the range") << 2037 << 7 << 5 << 31 << QDate(2037, 7, 31);
    }
    void showsTheSelectedDay() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, column);
        QFETCH(int, cursorDay);
        QFETCH(QDate, shown);
        const ViewPosition view{year, month, column, cursorDay};
        DateEntryDialog dialog(view, kUnitW, kUnitH);
        QCOMPARE(dialog.dateField()->date(), shown);
    }

    void titleSizeAndDisplayFormat() {
        DateEntryDialog dialog(ViewPosition{2016, 1, 0, 1}, kUnitW, kUnitH);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Datum eingeben"));
        // 20 units wide, or wider where the title needs it; the field keeps a unit of margin.
        QVERIFY(dialog.width() >= 160);
        QCOMPARE(dialog.height(), 42);
        QCOMPARE(dialog.dateField()->geometry(), QRect(8, 12, dialog.width() - 16, 18));
        QCOMPARE(dialog.dateField()->text(), QStringLiteral("01.01.2016"));
        QCOMPARE(dialog.dateField()->minimumDate(), QDate(1970, 1, 1));
        QCOMPARE(dialog.dateField()->maximumDate(), QDate(2037, 7, 31));
    }

    void escapeAndReturnBothTakeTheDate_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
    }
    void escapeAndReturnBothTakeTheDate() {
        QFETCH(int, key);
        ViewPosition view{2020, 5, 2, 31};
        whenDialogOpens([key](DateEntryDialog* dialog) {
            dialog->dateField()->setDate(QDate(2016, 12, 24));
            QTest::keyClick(dialog->dateField(), Qt::Key(key));
        });
        runDateEntryDialog(nullptr, view, kUnitW, kUnitH);
        QCOMPARE(view, (ViewPosition{2016, 12, 0, 24}));
    }

    void closingTheWindowTakesTheDate() {
        ViewPosition view{2020, 5, 0, 1};
        whenDialogOpens([](DateEntryDialog* dialog) {
            dialog->dateField()->setDate(QDate(2037, 7, 31));
            dialog->close();
        });
        runDateEntryDialog(nullptr, view, kUnitW, kUnitH);
        QCOMPARE(view, (ViewPosition{2037, 7, 0, 31}));
    }

    // A German user types the dots; the field moves on after two digits by itself as well.
    void typedDateIsTaken_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ViewPosition>("expected");
        QTest::newRow("with dots") << "24.12.2027" << ViewPosition{2027, 12, 0, 24};
        QTest::newRow("without dots") << "24122027" << ViewPosition{2027, 12, 0, 24};
        QTest::newRow("leading zero month") << "15.06.2027" << ViewPosition{2027, 6, 0, 15};
        QTest::newRow("single digits") << "1.6.2030" << ViewPosition{2030, 6, 0, 1};
        QTest::newRow("day only") << "17" << ViewPosition{2020, 5, 0, 17};
    }
    void typedDateIsTaken() {
        QFETCH(QString, typed);
        QFETCH(ViewPosition, expected);
        ViewPosition view{2020, 5, 0, 1};
        whenDialogOpens([typed](DateEntryDialog* dialog) {
            QDateEdit* field = dialog->dateField();
            field->setSelectedSection(QDateTimeEdit::DaySection);
            QTest::keyClicks(field, typed);
            QTest::keyClick(field, Qt::Key_Return);
        });
        runDateEntryDialog(nullptr, view, kUnitW, kUnitH);
        QCOMPARE(view, expected);
    }
};

QTEST_MAIN(DateEntryDialogTest)
#include "DateEntryDialogTest.moc"
