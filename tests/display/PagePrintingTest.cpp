#include "display/qt/PagePrinting.h"

#include <QtTest>

namespace tp {

class PagePrintingTest : public QObject {
    Q_OBJECT

  private slots:
    void heading_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("lastColumnIndex");
        QTest::addColumn<QString>("heading");
        QTest::newRow("six columns")
            << 0 << 7 << 5 << "Anna – Juli 2026 bis Dezember 2026 – Wendring PM 1";
        QTest::newRow("into the next year")
            << 7 << 11 << 3 << "Anna – November 2026 bis Februar 2027 – Brelling Karton";
        QTest::newRow("the sheet's half year")
            << 5 << 9 << 5 << "Anna – Juli 2026 bis Dezember 2026 – Wendring Standard";
        QTest::newRow("not past the last supported month")
            << 1 << 5 << 5 << "Anna – Mai 2037 bis Juli 2037 – Wendring Werk";
    }
    void heading() {
        QFETCH(int, type);
        QFETCH(int, month);
        QFETCH(int, lastColumnIndex);
        QFETCH(QString, heading);
        PageInput input;
        input.shifts.calendarType = *calendarTypeFromNumber(type);
        input.view = {heading.contains("2037") ? 2037 : 2026, month, 0, 1};
        input.lastColumnIndex = lastColumnIndex;
        QCOMPARE(printedPageHeading(QStringLiteral("Anna"), input), heading);
    }
};

} // namespace tp

QTEST_MAIN(tp::PagePrintingTest)
#include "PagePrintingTest.moc"
