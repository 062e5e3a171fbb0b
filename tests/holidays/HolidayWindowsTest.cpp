#include "holidays/qt/HolidayListWindow.h"
#include "holidays/qt/SchoolHolidayWindow.h"

#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace tp;

namespace {
constexpr int kUnitW = 8;
constexpr int kUnitH = 12;
constexpr int kBackground = 0xD8E9EC;

QStringList rowTexts(const QTreeWidget* list, int row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    return {item->text(0), item->text(1)};
}
} // namespace

class HolidayWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void holidayListLayout() {
        HolidayListWindow window(2016, kUnitW, kUnitH, kBackground);
        QCOMPARE(window.windowTitle(), QStringLiteral("Feiertage"));
        QCOMPARE(window.size(), QSize(50 * kUnitW, 33 * kUnitH));
        QTreeWidget* list = window.list();
        QCOMPARE(list->geometry(), QRect(kUnitW, kUnitH, 48 * kUnitW, 31 * kUnitH));
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("2016"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Feiertag"));
        QCOMPARE(list->columnWidth(0), 16 * kUnitW);
        QCOMPARE(list->columnWidth(1), 27 * kUnitW);
        QCOMPARE(list->topLevelItemCount(), 8 + 1 + 10 + 1 + 7);
    }

    void holidayListRows_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("name");
        QTest::newRow("first fixed") << 2016 << 0 << "1. Januar"
                                     << "Neujahr";
        QTest::newRow("last fixed") << 2016 << 7 << "26. Dezember"
                                    << "Märtyrer Stephanus";
        QTest::newRow("first gap") << 2016 << 8 << ""
                                   << "";
        QTest::newRow("Rosenmontag") << 2016 << 9 << "8. Februar"
                                     << "Rosenmontag";
        QTest::newRow("Herz Jesu") << 2016 << 18 << "3. Juni"
                                   << "Heiligstes Herz Jesu";
        QTest::newRow("second gap") << 2016 << 19 << ""
                                    << "";
        QTest::newRow("Karfreitag") << 2016 << 20 << "25. März"
                                    << "Karfreitag";
        QTest::newRow("Himmelfahrt") << 2016 << 23 << "5. Mai"
                                     << "Christi Himmelfahrt";
        QTest::newRow("Pfingstmontag") << 2016 << 25 << "16. Mai"
                                       << "Pfingstmontag";
        QTest::newRow("Fronleichnam") << 2016 << 26 << "26. Mai"
                                      << "Fronleichnam";
        QTest::newRow("Ostersonntag 1970") << 1970 << 21 << "29. März"
                                           << "Ostersonntag";
        QTest::newRow("Ostersonntag 2037") << 2037 << 21 << "5. April"
                                           << "Ostersonntag";
    }
    void holidayListRows() {
        QFETCH(int, year);
        QFETCH(int, row);
        QFETCH(QString, date);
        QFETCH(QString, name);
        HolidayListWindow window(year, kUnitW, kUnitH, kBackground);
        QCOMPARE(rowTexts(window.list(), row), (QStringList{date, name}));
    }

    void schoolHolidayLayout() {
        SchoolHolidayWindow window(2016, kUnitW, kUnitH, kBackground);
        QCOMPARE(window.windowTitle(), QStringLiteral("Ferientermine"));
        QCOMPARE(window.size(), QSize(54 * kUnitW, 12 * kUnitH));
        QTreeWidget* list = window.list();
        QCOMPARE(list->geometry(), QRect(kUnitW, kUnitH, 52 * kUnitW, 121));
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Bayerische Schulferien"));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("2016"));
        QCOMPARE(list->columnWidth(0), 24 * kUnitW);
        QCOMPARE(list->columnWidth(1), 27 * kUnitW);
        QCOMPARE(list->topLevelItemCount(), 6);
        QCOMPARE(rowTexts(list, 0), (QStringList{"Frühjahr", "8. Februar - 12. Februar"}));
        QCOMPARE(rowTexts(list, 5), (QStringList{"Weihnachten", "24. Dezember - 5. Januar"}));
    }

    void schoolHolidayUnknownAndMissingYears() {
        // The last stored year still lacks its autumn and Christmas dates.
        SchoolHolidayWindow lastYear(2030, kUnitW, kUnitH, kBackground);
        QCOMPARE(lastYear.list()->topLevelItemCount(), 6);
        QCOMPARE(rowTexts(lastYear.list(), 4), (QStringList{"Allerheiligen", "? - ?"}));
        QCOMPARE(rowTexts(lastYear.list(), 5), (QStringList{"Weihnachten", "? - ?"}));
        for (const int year : {2010, 2031, 1970}) {
            SchoolHolidayWindow window(year, kUnitW, kUnitH, kBackground);
            QCOMPARE(window.list()->topLevelItemCount(), 0);
            QCOMPARE(window.list()->headerItem()->text(1), QString::number(year));
        }
    }

    void escapeClosesBothWindows() {
        for (const bool school : {false, true}) {
            bool closedByEscape = false;
            QTimer::singleShot(0, [&closedByEscape] {
                QWidget* window = QApplication::activeModalWidget();
                QVERIFY(window);
                QTest::keyClick(window, Qt::Key_Escape);
                closedByEscape = !window->isVisible();
            });
            if (school)
                showSchoolHolidays(nullptr, 2016, kUnitW, kUnitH, kBackground);
            else
                showHolidayList(nullptr, 2016, kUnitW, kUnitH, kBackground);
            QVERIFY(closedByEscape);
        }
    }
};

QTEST_MAIN(HolidayWindowsTest)
#include "HolidayWindowsTest.moc"
