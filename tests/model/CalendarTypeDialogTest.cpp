#include "model/CalendarTypeDialog.h"

#include <QRadioButton>
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
        CalendarTypeDialog dialog(kUnitW, kUnitH);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Kalender"));
        QCOMPARE(dialog.size(), QSize(200, 138));
        const QStringList labels{"Wendring PM 1",        "Wendring Werk",      "Wendring Standard",
                                 "Wendring Zweischicht", "PM 1 mit 2er Block", "Werk mit 2er Block",
                                 "Valdor Halmstett",     "Brelling Karton"};
        for (int index = 0; index < labels.size(); ++index) {
            QRadioButton* option = dialog.option(index);
            QCOMPARE(option->text(), labels[index]);
            QVERIFY(!option->isChecked());
            QCOMPARE(option->y(), (2 * index + 1) * kUnitH - 3);
            QCOMPARE(option->width(), 20 * kUnitW);
        }
        QCOMPARE(dialog.option(2)->toolTip(),
                 QStringLiteral("Wendring Papier Standard Turnoplaner mit fünf Kolumnen"));
        QCOMPARE(dialog.option(6)->toolTip(), QStringLiteral("Das Vierschichtsystem in Halmstett"));
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
        ShiftSystem system;
        system.calendarType = type == 3 ? 4 : 3;
        whenDialogOpens([option](CalendarTypeDialog* dialog) {
            QTest::mouseClick(dialog->option(option), Qt::LeftButton);
        });
        QVERIFY(runCalendarTypeDialog(nullptr, system, kUnitW, kUnitH));
        QCOMPARE(system.calendarType, type);
    }

    void escapeAndCloseKeepTheType() {
        for (const bool viaEscape : {true, false}) {
            ShiftSystem system;
            system.calendarType = 6;
            whenDialogOpens([viaEscape](CalendarTypeDialog* dialog) {
                if (viaEscape)
                    QTest::keyClick(dialog, Qt::Key_Escape);
                else
                    dialog->close();
            });
            QVERIFY(!runCalendarTypeDialog(nullptr, system, kUnitW, kUnitH));
            QCOMPARE(system.calendarType, 6);
        }
    }
};

QTEST_MAIN(CalendarTypeDialogTest)
#include "CalendarTypeDialogTest.moc"
