#include "accounts/qt/SupplementsWindow.h"

#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPdfWriter>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace tp;

namespace {

// Crew braun of Wendring PM 1 in March 2026: its Sunday night shift of 1 March runs
// 18.00..6.00.
SupplementsWindowInput marchOfBraun() {
    SupplementsWindowInput input;
    input.crew = 4;
    input.year = 2026;
    input.month = 3;
    return input;
}

QStringList rowTexts(const QTreeWidget& list, int row) {
    QStringList texts;
    for (int column = 0; column < list.columnCount(); ++column)
        texts << list.topLevelItem(row)->text(column);
    return texts;
}

int rowOfDate(const QTreeWidget& list, const QString& date) {
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        if (list.topLevelItem(row)->text(0) == date)
            return row;
    return -1;
}

} // namespace

class SupplementsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheDaysWithWorkAndTheSum() {
        SupplementsWindow window(marchOfBraun());
        QCOMPARE(window.windowTitle(), QStringLiteral("Zuschläge"));
        QCOMPARE(window.monthLabel()->text(), QStringLiteral("März 2026"));
        QCOMPARE(window.crewField()->currentText(), QStringLiteral("Braun"));
        const QTreeWidget& list = *window.list();
        QCOMPARE(list.headerItem()->text(7), QStringLiteral("Feiertag 150 %"));
        const int sunday = rowOfDate(list, QStringLiteral("So 01.03."));
        QVERIFY(sunday >= 0);
        QCOMPARE(rowTexts(list, sunday), (QStringList{"So 01.03.", "Nachtschicht", "12,00", "6,00",
                                                      "4,00", "10,00", "", ""}));
        const int last = list.topLevelItemCount() - 1;
        QCOMPARE(list.topLevelItem(last)->text(0), QStringLiteral("Summe"));
        // Every row above the sum is a day with work.
        for (int row = 0; row < last; ++row)
            QVERIFY(list.topLevelItem(row)->text(2) != QStringLiteral("0,00"));

        // Crew rot works the night shift over the spring change.
        window.crewField()->setCurrentIndex(0);
        const int change = rowOfDate(list, QStringLiteral("Sa 28.03."));
        QVERIFY(change >= 0);
        QCOMPARE(list.topLevelItem(change)->text(2), QStringLiteral("7,00"));
    }

    // Every date is read whole: the column leaves the style's margins beside the widest one.
    void datesAreNotCut_data() {
        QTest::addColumn<int>("month");
        for (int month = 1; month <= 12; ++month)
            QTest::addRow("%d", month) << month;
    }
    void datesAreNotCut() {
        QFETCH(int, month);
        SupplementsWindowInput input = marchOfBraun();
        input.month = month;
        SupplementsWindow window(input);
        window.show();
        const QTreeWidget& list = *window.list();
        const int margin =
            list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QTreeWidgetItem& item = *list.topLevelItem(row);
            const int needed =
                QFontMetrics(item.font(0)).horizontalAdvance(item.text(0)) + 2 * margin;
            QVERIFY2(list.columnWidth(0) >= needed, qPrintable(item.text(0)));
        }
    }

    void pagesThroughTheMonthsWithinTheCalendar() {
        SupplementsWindowInput input = marchOfBraun();
        input.year = 1970;
        input.month = 1;
        SupplementsWindow window(input);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!window.previousButton()->isEnabled());
        QTest::keyClick(window.list(), Qt::Key_PageUp);
        QCOMPARE(window.monthLabel()->text(), QStringLiteral("Januar 1970"));
        QTest::keyClick(window.list(), Qt::Key_PageDown);
        QCOMPARE(window.monthLabel()->text(), QStringLiteral("Februar 1970"));
        window.previousButton()->click();
        window.previousButton()->click();
        QCOMPARE(window.monthLabel()->text(), QStringLiteral("Januar 1970"));

        input.year = 2037;
        input.month = 6;
        SupplementsWindow end(input);
        end.show();
        end.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&end));
        end.nextButton()->click();
        QCOMPARE(end.monthLabel()->text(), QStringLiteral("Juli 2037"));
        QVERIFY(!end.nextButton()->isEnabled());
        QTest::keyClick(end.wageField(), Qt::Key_PageDown);
        QCOMPARE(end.monthLabel()->text(), QStringLiteral("Juli 2037"));
    }

    void wageGivesTheTaxFreeAmountAndIsHandedBack() {
        SupplementsWindowInput input = marchOfBraun();
        input.year = 2026;
        input.month = 3;
        SupplementsWindow window(input);
        QCOMPARE(window.wageCents(), std::nullopt);
        QVERIFY(window.taxFreeLabel()->text().contains(QStringLiteral("Stundenlohn eingeben")));
        window.wageField()->setValue(80.0);
        QCOMPARE(window.wageCents(), std::optional<int>(8000));
        // The wage counts at most 50 €: the text names the amount of the month at 50 €.
        const std::string text = window.monthText();
        const std::string sum = text.substr(text.rfind("Summe"));
        const QString amount = QString::fromStdString(sum.substr(sum.rfind('\t') + 1)).trimmed();
        QCOMPARE(window.taxFreeLabel()->text(), QStringLiteral("Steuerfrei: %1 €").arg(amount));
        input.wageCents = 5000;
        SupplementsWindow atLimit(input);
        QCOMPARE(atLimit.taxFreeLabel()->text(), window.taxFreeLabel()->text());
        window.wageField()->setValue(0.0);
        QCOMPARE(window.wageCents(), std::nullopt);
    }

    void copiesTheMonthAsTable() {
        SupplementsWindow window(marchOfBraun());
        window.copyButton()->click();
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, QString::fromStdString(window.monthText()));
        const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.first(), QStringLiteral("Datum\tSchicht\tArbeitsstunden\tNacht 25 %\t"
                                               "Nacht 40 %\tSonntag 50 %\tFeiertag 125 %\t"
                                               "Feiertag 150 %"));
        QVERIFY(lines.contains(
            QStringLiteral("01.03.2026\tNachtschicht\t12,00\t6,00\t4,00\t10,00\t0,00\t0,00")));
        QVERIFY(lines.last().startsWith(QStringLiteral("Summe\t\t")));
        QCOMPARE(lines.size(), window.list()->topLevelItemCount() + 1);
    }

    void printsOnOnePage() {
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("zuschlaege.pdf"));
        {
            SupplementsWindow window(marchOfBraun());
            QPdfWriter writer(file);
            writer.setPageSize(QPageSize(QPageSize::A4));
            window.printMonth(writer);
        }
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
    }
};

QTEST_MAIN(SupplementsWindowTest)
#include "SupplementsWindowTest.moc"
