#include "RecordingMessageBoxes.h"
#include "notes/qt/BulkDeletionDialog.h"
#include "notes/qt/NoteMenuDialog.h"
#include "notes/qt/NotesTextWindow.h"
#include "platform/qt/ScreenFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tp;

namespace {

// Runs `action` on the modal window once it is open.
template <typename Window> void whenOpen(std::function<void(Window*)> action) {
    QTimer::singleShot(0, [action] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        QVERIFY(window);
        action(window);
    });
}

} // namespace

class NotesWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void notesWindowShowsTheDayOrTellsThereIsNone() {
        test::RecordingMessageBoxes messages;
        const NotesWindowLook look{8, 16, QFont(), QColor(200, 220, 240)};
        runNotesWindow(nullptr, messages, QString(), 16490, false, look);
        QVERIFY(messages.shown.isEmpty());
        runNotesWindow(nullptr, messages, QString(), 16490, true, look);
        QCOMPARE(messages.shown,
                 QStringList{QStringLiteral("Information: Für den gewählten Tag sind keine Notizen "
                                            "vorhanden!")});

        bool opened = false;
        whenOpen<NotesTextWindow>([&](NotesTextWindow* window) {
            opened = true;
            QCOMPARE(window->windowTitle(), QStringLiteral("Notizen für den 24.02.2015"));
            // 33 units wide, or wider where the title needs it; 60 rows high where the screen
            // has room for them; the text keeps a unit of margin and scrolls.
            QVERIFY(window->width() >= 33 * 8);
            QCOMPARE(window->height(), std::min(60 * 16, availableAreaOf(*window).height() -
                                                             frameMarginsOf(*window).top() -
                                                             frameMarginsOf(*window).bottom()));
            QCOMPARE(window->textField()->geometry(),
                     QRect(8, 16, window->width() - 16, window->height() - 32));
            QVERIFY(window->textField()->isReadOnly());
            QCOMPARE(window->textField()->toPlainText(), QStringLiteral("eins\n\nzwei"));
            QTest::keyClick(window, Qt::Key_Escape);
        });
        runNotesWindow(nullptr, messages, QStringLiteral("eins\r\n\r\nzwei"), 16490, false, look);
        QVERIFY(opened);
    }

    void overviewWithoutNotesIsAMessage() {
        test::RecordingMessageBoxes messages;
        runNotesOverview(nullptr, messages, QString(), NotesWindowLook{});
        QCOMPARE(messages.shown, QStringList{QStringLiteral(
                                     "Information: Im angezeigten Zeitraum sind keine Notizen "
                                     "vorhanden!")});
    }

    void menuChoosesByButtonOrKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("action");
        QTest::newRow("T") << int(Qt::Key_T) << int(NoteMenuAction::DayNote);
        QTest::newRow("P") << int(Qt::Key_P) << int(NoteMenuAction::PeriodicNote);
        QTest::newRow("W") << int(Qt::Key_W) << int(NoteMenuAction::WeekdayNote);
        QTest::newRow("U") << int(Qt::Key_U) << int(NoteMenuAction::Overview);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(NoteMenuAction::None);
        QTest::newRow("other letter") << int(Qt::Key_X) << int(NoteMenuAction::None);
    }
    void menuChoosesByButtonOrKey() {
        QFETCH(int, key);
        QFETCH(int, action);
        whenOpen<NoteMenuDialog>([key](NoteMenuDialog* menu) {
            QTest::keyClick(menu, Qt::Key(key));
            if (menu->isVisible())
                menu->reject();
        });
        QCOMPARE(int(runNoteMenu(nullptr, 8, 16)), action);

        NoteMenuDialog menu(8, 16);
        QCOMPARE(menu.windowTitle(), QStringLiteral("Notiz"));
        QCOMPARE(menu.button(NoteMenuAction::YearlyNote)->text(),
                 QStringLiteral("Jährliche Notiz"));
        menu.button(NoteMenuAction::BulkDeletion)->click();
        QCOMPARE(menu.chosen(), NoteMenuAction::BulkDeletion);
    }

    void bulkDeletionNeedsAChoiceAndAYes() {
        BulkDeletionDialog dialog(dayNumberOf(2016, 3, 5), 8, 16);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Lösche Notizen und Markierungen"));
        QCOMPARE(dialog.dateField()->text(), QStringLiteral("05.03.2016"));
        dialog.show();
        dialog.deleteButton()->click(); // nothing checked: stays open
        QVERIFY(dialog.isVisible());

        test::RecordingMessageBoxes messages;
        for (const bool answer : {false, true}) {
            messages.answer = answer;
            whenOpen<BulkDeletionDialog>([](BulkDeletionDialog* open) {
                open->dateField()->setDate(QDate(2015, 12, 31));
                open->dayNotesBox()->setChecked(true);
                open->weekdayNotesBox()->setChecked(true);
                open->deleteButton()->click();
            });
            const auto choice =
                runBulkDeletionDialog(nullptr, messages, dayNumberOf(2016, 3, 5), 8, 16);
            QCOMPARE(choice.has_value(), answer);
            if (choice) {
                QCOMPARE(choice->lastDay, dayNumberOf(2015, 12, 31));
                QVERIFY(choice->dayNotes && choice->weekdayNotes);
                QVERIFY(!choice->shiftMarkings && !choice->periodicNotes);
            }
        }
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0],
                 QStringLiteral("Frage: Sollen die Notizen wirklich alle gelöscht werden?"));
    }
};

QTEST_MAIN(NotesWindowsTest)
#include "NotesWindowsTest.moc"
