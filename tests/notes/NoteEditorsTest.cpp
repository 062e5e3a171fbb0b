#include "RecordingMessageBoxes.h"
#include "notes/NoteCipher.h"
#include "notes/NotePasswordCheck.h"
#include "notes/qt/DayNoteEditor.h"
#include "notes/qt/PeriodicNoteEditor.h"
#include "notes/qt/WeekdayNoteEditor.h"
#include "notes/qt/YearlyNoteEditor.h"
#include "session/Session.h"
#include "support/TemporaryFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <fstream>

using namespace tp;

namespace {

class Notes {
  public:
    Notes() { open(""); }
    NoteEditorContext context(DayNumber day) { return {session, messages, day, 8, 16}; }
    // The user's note password, as the check value in his settings knows it.
    void checkValueOf(const std::string& password) {
        ProgramSettings settings;
        settings.notePasswordCheck = makeNotePasswordCheck(password).value_or("");
        session.applySettings(settings);
    }
    // Reads the folder anew, with the note key `password` from now on.
    void open(const std::string& password) {
        session.openDataFolder(folder.path(), password);
        password_ = password;
    }
    void put(const std::string& name, const std::string& bytes) {
        std::ofstream(folder.path() / name, std::ios::binary) << bytes;
        open(password_);
    }
    std::string bytesOf(const std::string& name) const {
        std::ifstream in(folder.path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The notes of the folder; the lock under which they are saved is none.
    QStringList files() const {
        QStringList names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            if (entry.path().filename() != kFolderLockFileName)
                names.append(QString::fromStdString(entry.path().filename().string()));
        names.sort();
        return names;
    }

    test::TemporaryFolder folder;
    SystemFileSystem disk;
    FixedClock clock{{2016, 12, 24, 12, 0, 0}};
    Session session{disk, clock};
    const NoteIndexes& indexes = session.state().noteIndexes;
    test::RecordingMessageBoxes messages;

  private:
    std::string password_;
};

const DayNumber kChristmasEve = dayNumberOf(2016, 12, 24);

} // namespace

class NoteEditorsTest : public QObject {
    Q_OBJECT

  private slots:
    void dayEditorSavesWithoutTrailingBreaks() {
        Notes notes;
        DayNoteEditor editor(notes.context(kChristmasEve));
        QCOMPARE(editor.windowTitle(), QStringLiteral("Notizen für den 24.12.2016"));
        QCOMPARE(editor.textField()->geometry(), QRect(8, 16, 25 * 8, 60 * 16));
        QCOMPARE(editor.saveButton()->toolTip(),
                 QStringLiteral("Speichert die Notiz und verlässt das Eingabefenster"));
        editor.textField()->setPlainText(QStringLiteral("Bescherung\num 18 € „pünktlich“\n\n"));
        editor.saveButton()->click();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        QCOMPARE(notes.bytesOf("20161124.txt"),
                 std::string("Bescherung\r\num 18 \x80 \x84p\xFCnktlich\x93"));
        QCOMPARE(notes.indexes.dayNotes, std::vector<std::int32_t>{20161124});

        DayNoteEditor again(notes.context(kChristmasEve));
        QCOMPARE(again.text(), QStringLiteral("Bescherung\r\num 18 € „pünktlich“"));
        again.deleteNoteButton()->click();
        QVERIFY(notes.files().isEmpty());
    }

    void leavingWithChangesAsks_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("Ja") << true << QStringList{QStringLiteral("20161124.txt")};
        QTest::newRow("Nein") << false << QStringList{};
    }
    void leavingWithChangesAsks() {
        QFETCH(bool, answer);
        QFETCH(QStringList, files);
        Notes notes;
        notes.messages.answer = answer;
        DayNoteEditor editor(notes.context(kChristmasEve));
        editor.reject(); // unchanged: no question, nothing written
        QVERIFY(notes.messages.shown.isEmpty());
        QVERIFY(notes.files().isEmpty());

        DayNoteEditor changed(notes.context(kChristmasEve));
        changed.textField()->setPlainText(QStringLiteral("neu"));
        changed.reject();
        QCOMPARE(notes.messages.shown,
                 QStringList{QStringLiteral("Frage: Sollen die Änderungen gespeichert werden?")});
        QCOMPARE(notes.files(), files);
    }

    // Anna's day note, enciphered under another password than hers (an old mistake): the editor
    // warns once, a save asks, and saved anyway the note still reads with that other password,
    // followed by what was added.
    void noteReadWithAWrongPasswordSurvivesASave_data() {
        QTest::addColumn<bool>("answer");
        QTest::newRow("Ja") << true;
        QTest::newRow("Nein") << false;
    }
    void noteReadWithAWrongPasswordSurvivesASave() {
        QFETCH(bool, answer);
        Notes notes;
        const std::string note = "Oma\r\nGeschenke holen\r\nBrief an Tante Erna";
        notes.put("20161124.txt", NoteCipher("geheim").encipherNote(note));
        notes.checkValueOf("falsch");
        notes.open("falsch");
        DayNoteEditor editor(notes.context(kChristmasEve));
        editor.show();
        const QString warning =
            QStringLiteral("Info: Die Notiz enthält unlesbare Zeichen – ist das Passwort richtig?");
        QTRY_COMPARE(notes.messages.shown, QStringList{warning});
        QVERIFY(notes.messages.parentVisible.at(0));

        notes.messages.answer = answer;
        editor.textField()->moveCursor(QTextCursor::End);
        editor.textField()->insertPlainText(QStringLiteral(" Kuchen"));
        editor.saveButton()->click();
        QCOMPARE(notes.messages.shown,
                 (QStringList{warning, QStringLiteral("Frage: Die Notiz enthält unlesbare "
                                                      "Zeichen – ist das Passwort richtig?\n"
                                                      "Soll sie trotzdem gespeichert werden?")}));
        QCOMPARE(editor.isVisible(), !answer);
        // What was added under the wrong password reads as other characters, but it follows
        // the whole note.
        const std::string reread = NoteCipher("geheim").decipherNote(notes.bytesOf("20161124.txt"));
        QCOMPARE(reread.substr(0, note.size()), note);
        QCOMPARE(reread.size(), note.size() + (answer ? 7 : 0));
    }

    // Under a password that does not fit the notes every note opens to be read only, and
    // nothing the user does writes under it: the check value refuses it, or without one the
    // note deciphers as no typed text does.
    void noteUnderAPasswordThatDoesNotFitIsOnlyRead_data() {
        QTest::addColumn<bool>("withCheckValue");
        QTest::addColumn<bool>("newNoteReadOnly");
        QTest::newRow("check value") << true << true;
        QTest::newRow("no check value") << false << false;
    }
    void noteUnderAPasswordThatDoesNotFitIsOnlyRead() {
        QFETCH(bool, withCheckValue);
        QFETCH(bool, newNoteReadOnly);
        if (withCheckValue && !notePasswordChecksAvailable())
            QSKIP("built without libsodium");
        Notes notes;
        const std::string stored =
            NoteCipher("geheim").encipherNote("Zahnarzt am 3. um 10 Uhr, Tel. 0815 4711");
        notes.put("20161124.txt", stored);
        if (withCheckValue)
            notes.checkValueOf("geheim");
        notes.open("Geheim");
        DayNoteEditor editor(notes.context(kChristmasEve));
        editor.show();
        QTRY_COMPARE(notes.messages.shown,
                     QStringList{QStringLiteral(
                         "Info: Das Passwort passt nicht zu den gespeicherten Notizen.")});
        QVERIFY(editor.textField()->isReadOnly());
        for (QPushButton* button : {editor.saveButton(), editor.undoAllButton(),
                                    editor.clearTextButton(), editor.deleteNoteButton()})
            QVERIFY(!button->isEnabled());
        editor.reject();
        QCOMPARE(notes.bytesOf("20161124.txt"), stored);
        QCOMPARE(notes.messages.shown.size(), 1);

        DayNoteEditor fresh(notes.context(kChristmasEve + 1));
        QCOMPARE(fresh.showsReadOnlyNote(), newNoteReadOnly);
    }

    // Another installation changed the note while it was open: keep both, overwrite, or go
    // back to the editor.
    void noteChangedMeanwhileAsks_data() {
        QTest::addColumn<int>("pick");
        QTest::addColumn<std::string>("stored");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("Beide behalten")
            << 0 << std::string("Oma\r\nKuchen\r\n--------------------\r\nOma um 3") << false;
        QTest::newRow("Überschreiben") << 1 << std::string("Oma um 3") << false;
        QTest::newRow("Zurück zur Eingabe") << 2 << std::string("Oma\r\nKuchen") << true;
    }
    void noteChangedMeanwhileAsks() {
        QFETCH(int, pick);
        QFETCH(std::string, stored);
        QFETCH(bool, stillOpen);
        Notes notes;
        notes.put("20161124.txt", "Oma");
        DayNoteEditor editor(notes.context(kChristmasEve));
        editor.show();
        std::ofstream(notes.folder.path() / "20161124.txt", std::ios::binary) << "Oma\r\nKuchen";
        editor.textField()->setPlainText(QStringLiteral("Oma um 3"));
        notes.messages.picks = {pick};
        editor.saveButton()->click();
        QCOMPARE(notes.messages.shown,
                 QStringList{QStringLiteral(
                     "Frage: Die Tagesnotiz für den 24.12.2016 wurde inzwischen an einem anderen "
                     "Rechner geändert. Dort steht jetzt:\n\nOma\nKuchen\n\nSollen beide Texte "
                     "behalten werden (der andere zuerst, durch eine Linie getrennt), soll der "
                     "andere überschrieben werden, oder zurück zur Eingabe? [Beide behalten|"
                     "Überschreiben|Zurück zur Eingabe]")});
        QCOMPARE(notes.bytesOf("20161124.txt"), stored);
        QCOMPARE(editor.isVisible(), stillOpen);
        QCOMPARE(editor.text(), QStringLiteral("Oma um 3"));
    }

    void undoAllAndClearText() {
        Notes notes;
        DayNoteEditor fresh(notes.context(kChristmasEve));
        fresh.textField()->setPlainText(QStringLiteral("x"));
        fresh.undoAllButton()->click(); // nothing was loaded: nothing happens
        QCOMPARE(fresh.text(), QStringLiteral("x"));

        notes.put("20161124.txt", "alt\r\nText");
        DayNoteEditor editor(notes.context(kChristmasEve));
        editor.textField()->setPlainText(QStringLiteral("anders"));
        editor.undoAllButton()->click();
        QCOMPARE(editor.text(), QStringLiteral("alt\r\nText"));
        editor.clearTextButton()->click();
        QCOMPARE(editor.text(), QString());
        QCOMPARE(editor.result(), int(QDialog::Rejected)); // still open
    }

    void overlongTextIsCut() {
        Notes notes;
        DayNoteEditor editor(notes.context(kChristmasEve));
        editor.textField()->setPlainText(QString(kNoteLengthLimit + 1, QLatin1Char('a')));
        QCOMPARE(editor.text().size(), kNoteLengthLimit);
        QCOMPARE(notes.messages.shown,
                 QStringList{QStringLiteral("Info: Die Länge der Notiz wurde auf 8191 Zeichen "
                                            "gekürzt!")});
    }

    void failedSaveKeepsTheEditorOpen() {
        Notes notes;
        std::filesystem::create_directories(notes.folder.path() / "20161124.txt" / "x");
        notes.open("");
        DayNoteEditor editor(notes.context(kChristmasEve));
        editor.show();
        editor.textField()->setPlainText(QStringLiteral("wichtig"));
        editor.saveButton()->click();
        QVERIFY(editor.isVisible());
        QCOMPARE(editor.text(), QStringLiteral("wichtig"));
        QCOMPARE(notes.messages.shown.size(), 1);
        QVERIFY(notes.messages.shown[0].startsWith(
            QStringLiteral("Fehler: Die Tagesnotiz für den 24.12.2016 wurde nicht gespeichert.")));
    }

    void periodicEditorStepsAndSavesUnderANewPeriod() {
        Notes notes;
        const DayNumber day = 17000; // 17000 mod 7 = 4, mod 14 = 4
        PeriodicNoteEditor fresh(notes.context(day));
        QCOMPARE(fresh.stepControls().entry->text(), QStringLiteral("Eintrag 1 von insgesamt 0"));
        QCOMPARE(fresh.periodField()->value(), 7);

        notes.put("11.7.tnt", "Woche");
        notes.put("18.14.tnt", "Zwei Wochen");
        PeriodicNoteEditor editor(notes.context(day));
        QCOMPARE(editor.windowTitle(), QStringLiteral("Periodische Notizen am 18.07.2016"));
        QCOMPARE(editor.stepControls().entry->text(), QStringLiteral("Eintrag 1 von insgesamt 2"));
        QCOMPARE(editor.text(), QStringLiteral("Woche"));
        editor.stepControls().next->click();
        QCOMPARE(editor.text(), QStringLiteral("Zwei Wochen"));
        QCOMPARE(editor.periodField()->value(), 14);
        editor.stepControls().previous->click();
        QCOMPARE(editor.periodField()->value(), 7);

        // A new period stores the text under a new name; the old note stays.
        editor.periodField()->setValue(21);
        editor.saveButton()->click();
        QCOMPARE(notes.files(),
                 (QStringList{QStringLiteral("11.7.tnt"), QStringLiteral("18.14.tnt"),
                              QStringLiteral("32.21.tnt")}));
        QCOMPARE(notes.bytesOf("32.21.tnt"), std::string("Woche"));
        QVERIFY(notes.messages.shown.isEmpty());
    }

    void periodicOverwriteDeclinedSavesNothing() {
        Notes notes;
        notes.put("11.7.tnt", "Woche");
        notes.put("18.14.tnt", "bleibt");
        notes.messages.answer = false;
        PeriodicNoteEditor editor(notes.context(17000));
        editor.stepControls().previous->click(); // nothing before the first
        QCOMPARE(editor.text(), QStringLiteral("Woche"));
        editor.clearTextButton()->click();
        editor.periodField()->setValue(14);
        editor.saveButton()->click();
        QCOMPARE(notes.messages.shown.size(), 1);
        QCOMPARE(notes.bytesOf("18.14.tnt"), std::string("bleibt"));
        QCOMPARE(notes.bytesOf("11.7.tnt"), std::string("Woche"));
    }

    void yearlyEditorInsertsThePlaceholder() {
        Notes notes;
        YearlyNoteEditor editor(notes.context(dayNumberOf(2016, 2, 29)));
        QCOMPARE(editor.windowTitle(), QStringLiteral("Jährliche Notizen für den 29.02.2016"));
        editor.textField()->setPlainText(QStringLiteral("Anna"));
        editor.yearField()->setValue(1980);
        editor.insertButton()->click();
        editor.saveButton()->click();
        QCOMPARE(notes.bytesOf("129.jnt"), std::string("Anna\r\n<1980>. Geburtstag "));
    }

    void weekdayEditorProposesTheLastWeekday_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("occurrence");
        QTest::addColumn<std::string>("file");
        QTest::newRow("24th of 28") << 24 << QStringLiteral("letzten") << std::string("10124.wmt");
        QTest::newRow("10th") << 10 << QStringLiteral("zweiten") << std::string("10121.wmt");
    }
    void weekdayEditorProposesTheLastWeekday() {
        QFETCH(int, day);
        QFETCH(QString, occurrence);
        QFETCH(std::string, file);
        Notes notes;
        WeekdayNoteEditor editor(notes.context(dayNumberOf(2015, 2, day)));
        QCOMPARE(editor.windowTitle(), QStringLiteral("Wochentag im Monat"));
        QCOMPARE(editor.occurrenceList()->currentText(), occurrence);
        QCOMPARE(editor.monthList()->currentText(), QStringLiteral("Februar"));
        QCOMPARE(editor.stepControls().entry->text(), QStringLiteral("Eintrag 1 von insgesamt 0"));
        editor.textField()->setPlainText(QStringLiteral("Dienstag"));
        editor.saveButton()->click();
        QCOMPARE(notes.bytesOf(file), std::string("Dienstag"));
    }

    void weekdayEditorStepsThroughTheNotesOfTheDay() {
        Notes notes;
        notes.put("10123.wmt", "vierter Dienstag im Februar");
        notes.put("11224.wmt", "letzter Dienstag");
        notes.put("11221.wmt", "anderer Tag");
        WeekdayNoteEditor editor(notes.context(dayNumberOf(2015, 2, 24)));
        QCOMPARE(editor.stepControls().entry->text(), QStringLiteral("Eintrag 1 von insgesamt 2"));
        QCOMPARE(editor.occurrenceList()->currentText(), QStringLiteral("vierten"));
        editor.stepControls().next->click();
        QCOMPARE(editor.text(), QStringLiteral("letzter Dienstag"));
        QCOMPARE(editor.occurrenceList()->currentText(), QStringLiteral("letzten"));
        QCOMPARE(editor.monthList()->currentText(), QStringLiteral("Monat"));

        // Moving it onto the fourth-Tuesday note asks; Nein keeps both as they are.
        notes.messages.answer = false;
        editor.monthList()->setCurrentIndex(0);
        editor.occurrenceList()->setCurrentIndex(3);
        editor.saveButton()->click();
        QCOMPARE(notes.messages.shown,
                 QStringList{QStringLiteral("Frage: Eine Datei mit der gewählten Wiederholung "
                                            "existiert bereits!\nSoll sie überschrieben werden?")});
        QCOMPARE(notes.bytesOf("10123.wmt"), std::string("vierter Dienstag im Februar"));
    }

    // The editor stands on the page's background, and its counter is shown whole.
    void weekdayEditorOnThePageBackgroundShowsTheWholeCounter() {
        Notes notes;
        NoteEditorContext context = notes.context(kChristmasEve);
        context.background = QColor(0xEC, 0xE9, 0xD8);
        WeekdayNoteEditor editor(context);
        editor.QDialog::show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QImage image = editor.grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 2, image.height() - 2), context.background);

        const QLabel* entry = editor.stepControls().entry;
        const QRect area = entry->contentsRect();
        const QRect needed = entry->fontMetrics().boundingRect(
            area, Qt::TextWordWrap | Qt::AlignCenter, entry->text());
        QVERIFY(area.contains(needed));
        QVERIFY(editor.rect().contains(
            entry->geometry().translated(entry->parentWidget()->mapTo(&editor, QPoint(0, 0)))));
    }
};

QTEST_MAIN(NoteEditorsTest)
#include "NoteEditorsTest.moc"
