#include "accounts/qt/AccountEntryWindows.h"
#include "accounts/qt/EarliestBlockStartWindow.h"
#include "markings/qt/CalendarBarDialog.h"
#include "markings/qt/ShiftMarkingDialog.h"
#include "model/qt/CalendarTypeDialog.h"
#include "model/qt/DateEntryDialog.h"
#include "platform/qt/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace tp {

class SmallWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    // The window manager shows the whole title only where the window is wide enough for it
    // and for the buttons of its title bar.
    void smallWindowsHaveRoomForTheirTitle_data() {
        QTest::addColumn<std::function<QDialog*()>>("open");
        QTest::newRow("Datum eingeben") << std::function<QDialog*()>([] {
            return new DateEntryDialog(ViewPosition{2027, 1, 0, 1}, 8, 12);
        });
        QTest::newRow("Frühester Urlaubsbeginn") << std::function<QDialog*()>([] {
            return new EarliestBlockStartWindow({4, 25}, 2027);
        });
        QTest::newRow("Kalender") << std::function<QDialog*()>(
            [] { return new CalendarTypeDialog(CalendarType::WendringPm1, 8, 12); });
        const DayNumber monday = dayNumberOf(2027, 3, 1);
        QTest::newRow("Schichtmarkierung eingeben") << std::function<QDialog*()>(
            [monday] { return new ShiftMarkingDialog(CalendarType::WendringWerk, 0, 2, monday); });
        QTest::newRow("Schichtspalte eingeben") << std::function<QDialog*()>(
            [monday] { return new ShiftColumnDialog(CalendarType::WendringWerk, monday, 2); });
        QTest::newRow("Eingabe einer Kalendermarkierung") << std::function<QDialog*()>([monday] {
            return new CalendarBarDialog({monday, monday + 3}, {});
        });
        QTest::newRow("Urlaub eingeben")
            << std::function<QDialog*()>([] { return new VacationEntryWindow({}, 0, 2027); });
    }
    void smallWindowsHaveRoomForTheirTitle() {
        QFETCH(std::function<QDialog*()>, open);
        const std::unique_ptr<QDialog> dialog(open());
        dialog->adjustSize(); // as on show: a window sized by its layout takes its width
        QFont titleFont = dialog->font();
        titleFont.setBold(true);
        const QFontMetrics metrics(titleFont);
        const int titleBarButtons = 3 * metrics.height();
        QVERIFY(dialog->width() >=
                metrics.horizontalAdvance(dialog->windowTitle()) + titleBarButtons);
    }

    // Errors carry the warning sign, questions the question mark.
    void messageBoxIcons_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::newRow("Fehler") << "Fehler" << int(QMessageBox::Warning);
        QTest::newRow("Information") << "Information" << int(QMessageBox::Information);
        QTest::newRow("Info") << "Info" << int(QMessageBox::Information);
        QTest::newRow("Frage") << "Frage" << int(QMessageBox::Question);
    }
    void messageBoxIcons() {
        QFETCH(QString, title);
        QFETCH(int, icon);
        int shownIcon = -1;
        QString shownTitle;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownIcon = box->icon();
            shownTitle = box->windowTitle();
            box->done(QMessageBox::Yes);
        });
        QtMessageBoxes messages;
        if (title == QStringLiteral("Frage"))
            messages.ask(nullptr, QStringLiteral("Text"));
        else
            messages.inform(nullptr, title, QStringLiteral("Text"));
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownIcon, icon);
    }
};

} // namespace tp

QTEST_MAIN(tp::SmallWindowsTest)
#include "SmallWindowsTest.moc"
