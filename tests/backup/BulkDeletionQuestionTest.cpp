#include "RecordingMessageBoxes.h"
#include "notes/qt/BulkDeletionDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tp;

class BulkDeletionQuestionTest : public QObject {
    Q_OBJECT

  private slots:
    void questionSaysWhereTheBackupGoes() {
        test::RecordingMessageBoxes messages;
        messages.answer = false;
        QTimer::singleShot(0, [] {
            auto* open = qobject_cast<BulkDeletionDialog*>(QApplication::activeModalWidget());
            QVERIFY(open);
            open->dayNotesBox()->setChecked(true);
            open->deleteButton()->click();
        });
        const auto choice = runBulkDeletionDialog(nullptr, messages, dayNumberOf(2016, 3, 5), 8, 16,
                                                  QStringLiteral("/home/anna/TPDaten/Sicherungen"));
        QVERIFY(!choice);
        QCOMPARE(messages.shown,
                 QStringList{"Frage: Sollen die Notizen wirklich alle gelöscht werden?\n\nVorher "
                             "wird eine Sicherung der Daten in den Ordner "
                             "\"/home/anna/TPDaten/Sicherungen\" geschrieben."});
    }
};

QTEST_MAIN(BulkDeletionQuestionTest)
#include "BulkDeletionQuestionTest.moc"
