#include "accounts/qt/EarliestBlockStartWindow.h"

#include <QApplication>
#include <QDateEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace tp {

namespace {

// Runs `userAction` on the window once it is open and modal.
void whenWindowOpens(const std::function<void(EarliestBlockStartWindow&)>& userAction) {
    QTimer::singleShot(0, [userAction] {
        auto* window = qobject_cast<EarliestBlockStartWindow*>(QApplication::activeModalWidget());
        QVERIFY(window);
        userAction(*window);
    });
}

} // namespace

class EarliestBlockStartWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheStartInTheCalendarYear() {
        EarliestBlockStartWindow window({4, 25}, 2026);
        QCOMPARE(window.windowTitle(), QStringLiteral("Frühester Urlaubsbeginn"));
        QCOMPARE(window.dateField()->displayFormat(), QStringLiteral("dd.MM."));
        QCOMPARE(window.dateField()->date(), QDate(2026, 4, 25));
        QCOMPARE(window.dateField()->text(), QStringLiteral("25.04."));
        QCOMPARE(window.dateField()->minimumDate(), QDate(2026, 1, 1));
        QCOMPARE(window.dateField()->maximumDate(), QDate(2026, 12, 31));
        QVERIFY(window.width() >= 20 * window.fontMetrics().averageCharWidth());
    }

    void leapDayIsShownInEveryYear_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("leap year") << 2028 << QDate(2028, 2, 29);
        QTest::newRow("common year") << 2026 << QDate(2026, 2, 28);
    }
    void leapDayIsShownInEveryYear() {
        QFETCH(int, year);
        QFETCH(QDate, shown);
        EarliestBlockStartWindow window({2, 29}, year);
        QCOMPARE(window.dateField()->date(), shown);
    }

    void everyWayOfClosingKeepsTheDay_data() {
        QTest::addColumn<int>("closeKey"); // 0: the close box
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("close box") << 0;
    }
    void everyWayOfClosingKeepsTheDay() {
        QFETCH(int, closeKey);
        MonthDay start{};
        whenWindowOpens([closeKey](EarliestBlockStartWindow& window) {
            QDateEdit* field = window.dateField();
            field->setSelectedSection(QDateTimeEdit::DaySection);
            QTest::keyClick(field, Qt::Key_Up); // 26.04.
            field->setSelectedSection(QDateTimeEdit::MonthSection);
            QTest::keyClick(field, Qt::Key_Up); // 26.05.
            if (closeKey != 0)
                QTest::keyClick(field, Qt::Key(closeKey));
            else
                window.close();
        });
        editEarliestBlockStart(nullptr, start, 2026);
        QCOMPARE(start, (MonthDay{5, 26}));
    }

    void typedDayIsKept() {
        MonthDay start{};
        whenWindowOpens([](EarliestBlockStartWindow& window) {
            QDateEdit* field = window.dateField();
            field->setSelectedSection(QDateTimeEdit::DaySection);
            QTest::keyClicks(field, "0306");
            QTest::keyClick(field, Qt::Key_Return);
        });
        editEarliestBlockStart(nullptr, start, 2026);
        QCOMPARE(start, (MonthDay{6, 3}));
    }

    void closingUnchangedKeepsTheStart() {
        MonthDay start{3, 9};
        whenWindowOpens([](EarliestBlockStartWindow& window) {
            QTest::keyClick(window.dateField(), Qt::Key_Escape);
        });
        editEarliestBlockStart(nullptr, start, 2026);
        QCOMPARE(start, (MonthDay{3, 9}));
    }
};

} // namespace tp

QTEST_MAIN(tp::EarliestBlockStartWindowTest)
#include "EarliestBlockStartWindowTest.moc"
