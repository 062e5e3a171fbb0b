#include "model/DateEntryDialog.h"

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
        QTest::addColumn<int>("monthIndex");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("cursorDay");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("first column") << 2016 << 11 << 0 << 24 << QDate(2016, 12, 24);
        QTest::newRow("column across new year") << 2016 << 10 << 3 << 5 << QDate(2017, 2, 5);
        QTest::newRow("first day of range") << 1970 << 0 << 0 << 1 << QDate(1970, 1, 1);
        // A cursor month after July 2037 falls back to July 2037.
        QTest::newRow("beyond the range") << 2037 << 6 << 5 << 31 << QDate(2037, 7, 31);
    }
    void showsTheSelectedDay() {
        QFETCH(int, year);
        QFETCH(int, monthIndex);
        QFETCH(int, column);
        QFETCH(int, cursorDay);
        QFETCH(QDate, shown);
        const ViewPosition view{year, monthIndex, column, cursorDay};
        DateEntryDialog dialog(view, kUnitW, kUnitH);
        QCOMPARE(dialog.dateField()->date(), shown);
    }

    void titleSizeAndDisplayFormat() {
        DateEntryDialog dialog(ViewPosition{2016, 0, 0, 1}, kUnitW, kUnitH);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Datum eingeben"));
        QCOMPARE(dialog.size(), QSize(160, 42));
        QCOMPARE(dialog.dateField()->geometry(), QRect(8, 12, 144, 18));
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
        ViewPosition view{2020, 4, 2, 31};
        whenDialogOpens([key](DateEntryDialog* dialog) {
            dialog->dateField()->setDate(QDate(2016, 12, 24));
            QTest::keyClick(dialog->dateField(), Qt::Key(key));
        });
        runDateEntryDialog(nullptr, view, kUnitW, kUnitH);
        QCOMPARE(view, (ViewPosition{2016, 11, 0, 24}));
    }

    void closingTheWindowTakesTheDate() {
        ViewPosition view{2020, 4, 0, 1};
        whenDialogOpens([](DateEntryDialog* dialog) {
            dialog->dateField()->setDate(QDate(2037, 7, 31));
            dialog->close();
        });
        runDateEntryDialog(nullptr, view, kUnitW, kUnitH);
        QCOMPARE(view, (ViewPosition{2037, 6, 0, 31}));
    }

    void typedDateIsTaken() {
        ViewPosition view{2020, 4, 0, 1};
        whenDialogOpens([](DateEntryDialog* dialog) {
            QDateEdit* field = dialog->dateField();
            field->setFocus();
            field->setSelectedSection(QDateTimeEdit::DaySection);
            QTest::keyClicks(field, QStringLiteral("17"));
            QTest::keyClick(field, Qt::Key_Return);
        });
        runDateEntryDialog(nullptr, view, kUnitW, kUnitH);
        QCOMPARE(view, (ViewPosition{2020, 4, 0, 17}));
    }
};

QTEST_MAIN(DateEntryDialogTest)
#include "DateEntryDialogTest.moc"
