#include "shell/qt/MainWindow.h"

#include "notes/NoteCipher.h"
#include "notes/qt/BulkDeletionDialog.h"
#include "notes/qt/NoteEditorDialog.h"
#include "notes/qt/NoteMenuDialog.h"

#include "MainWindowFixture.h"
#include "support/TemporaryFolder.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <memory>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace tp;
namespace fs = std::filesystem;

namespace {

const std::string kPassword = "Geheim";

// Answers the windows the main window opens: each new modal window gets the next step, or is
// closed when no step is left. Every title is kept.
class DialogScript : public QObject {
  public:
    DialogScript() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last_)
                return;
            last_ = modal;
            titles.append(modal->windowTitle());
            if (steps.empty())
                static_cast<QDialog*>(modal)->reject();
            else
                steps.takeFirst()(modal);
        });
        timer_.start(5);
    }
    QList<std::function<void(QWidget*)>> steps;
    QStringList titles;

  private:
    QTimer timer_;
    QPointer<QWidget> last_;
};

using NoteFiles = std::vector<std::pair<std::string, std::string>>;

// A main window on Saturday 24 December 2016 whose user keeps his data in a temporary folder.
struct NotesHarness : test::MainWindowFixture {
    explicit NotesHarness(const NoteFiles& notes = {},
                          const std::function<void(const fs::path&)>& prepare = {}) {
        if (prepare)
            prepare(folder.path());
        for (const auto& [name, text] : notes)
            std::ofstream(folder.path() / name, std::ios::binary)
                << NoteCipher(kPassword).encipherNote(text);
        ProgramSettings settings;
        settings.switches.schoolHolidays = false;
        session.applySettings(settings);
        openWindow(session.openDataFolder(folder.path(), kPassword));
    }
    std::string stored(const std::string& name) const {
        std::ifstream in(folder.path() / name, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        return NoteCipher(kPassword).decipherNote(bytes);
    }
    // The main window is active again once a modal window has closed.
    void press(Qt::Key key) {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(window.get(), key);
    }
    QString noteLine() const {
        return static_cast<QLineEdit*>(window->gadget(Gadget::NoteLine))->text();
    }
    // Whether `colour` shows between `fromUnits` and `toUnits` left of where the number of day
    // `day` of column `column` ends.
    bool markShows(int column, int day, double fromUnits, double toUnits, QColor colour) const {
        const int w = state().units.w;
        const int numberEnd = w + 18 * w * column + 2 * w;
        const QImage& page = window->pageImage();
        for (int y = day * state().units.h; y < (day + 1) * state().units.h; ++y)
            for (int x = numberEnd - int(toUnits * w); x < numberEnd - int(fromUnits * w); ++x)
                if (page.pixelColor(x, y) == colour)
                    return true;
        return false;
    }

    test::TemporaryFolder folder;
    DialogScript script;
};

const QColor kDayNote(199, 194, 201), kPeriodic(219, 214, 181), kYearly(239, 194, 161),
    kWeekday(179, 214, 141);

} // namespace

class MainWindowNotesTest : public QObject {
    Q_OBJECT

  private slots:
    void startUpShowsTheNotesOfTodayAndEveryMark() {
        NotesHarness h({{"20161124.txt", "Bescherung\r\num 18 Uhr"},
                        {"393.365.tnt", "Zahnarzt"},
                        {"1124.jnt", "Hochzeit <1990>"},
                        {"20170128.txt", "Abgabe"},
                        {"11223.wmt", "vierter Dienstag"},
                        {"11224.wmt", "letzter Dienstag"}});
        QCOMPARE(h.script.titles, QStringList{"Notizen für den 24.12.2016"});
        QCOMPARE(h.noteLine(), "Bescherung\u00A0»\u00A0um 18 Uhr\u00A0|\u00A0Hochzeit 26");

        struct Case {
            int column, day;
            QColor right, left; // in the last 1.25 units before the number's end, and before
        };
        const Case cases[] = {{0, 24, kYearly, kYearly},     // day note, then yearly note
                              {1, 17, kPeriodic, kPeriodic}, // every 365 days
                              {1, 24, kWeekday, kWeekday},   // the fourth Tuesday only
                              {2, 28, kWeekday, kDayNote}};  // fourth and last: half a mark
        for (const Case& c : cases) {
            QVERIFY(h.markShows(c.column, c.day, 0, 1.2, c.right));
            QVERIFY(h.markShows(c.column, c.day, 1.3, 2.5, c.left));
        }
        QVERIFY(!h.markShows(0, 24, 0, 2.5, kDayNote)); // covered by the yearly mark
    }

    void keysMenuAndNoteLineReachTheNotes() {
        NotesHarness h;
        QVERIFY(h.script.titles.isEmpty()); // no notes today, no window
        QTest::mouseClick(h.window->gadget(Gadget::NoteLine), Qt::LeftButton);
        QCOMPARE(h.messages.shown,
                 QStringList{"Information: Für den gewählten Tag sind keine Notizen vorhanden!"});

        const std::pair<Qt::Key, std::string> editors[] = {{Qt::Key_T, "20161124.txt"},
                                                           {Qt::Key_P, "9.7.tnt"},
                                                           {Qt::Key_J, "1124.jnt"},
                                                           {Qt::Key_W, "11163.wmt"}};
        for (const auto& [key, file] : editors) {
            h.script.steps.append([](QWidget* editor) {
                auto* dialog = static_cast<NoteEditorDialog*>(editor);
                dialog->textField()->setPlainText(QStringLiteral("Frühschicht\nTausch"));
                dialog->saveButton()->click();
            });
            h.press(key);
            QCOMPARE(h.stored(file), std::string("Fr\xFChschicht\r\nTausch"));
        }
        QVERIFY(h.markShows(0, 24, 0, 1.2, kWeekday));

        h.script.steps.append([](QWidget* menu) {
            static_cast<NoteMenuDialog*>(menu)->button(NoteMenuAction::Overview)->click();
        });
        static_cast<QPushButton*>(h.window->gadget(Gadget::Note))->click();
        QTest::mouseClick(h.window->gadget(Gadget::NoteLine), Qt::LeftButton);
        h.press(Qt::Key_X); // the shift plan sheet has no "Notiz" menu
        h.press(Qt::Key_F9);
        QCOMPARE(h.script.titles.mid(4),
                 (QStringList{"Notiz", "Übersicht der Notizen für die angezeigten Monate",
                              "Notizen für den 24.12.2016"}));
    }

    // A day note that is there but cannot be read (another owner's file, a pipe under its name)
    // is told when its editor opens and survives T followed by Escape as it was.
    void unreadableNoteSurvivesItsEditor() {
#ifndef _WIN32
        for (const bool pipe : {true, false}) {
            if (!pipe && ::geteuid() == 0)
                continue; // root reads every file
            NotesHarness h({}, [pipe](const fs::path& folder) {
                const fs::path note = folder / "20161124.txt";
                if (pipe) {
                    QCOMPARE(::mkfifo(note.c_str(), 0600), 0);
                } else {
                    std::ofstream(note, std::ios::binary) << "047111118";
                    fs::permissions(note, fs::perms::none);
                }
            });
            h.script.steps.append([](QWidget* editor) { QTest::keyClick(editor, Qt::Key_Escape); });
            h.press(Qt::Key_T);
            QCOMPARE(h.messages.shown.size(), 1);
            QVERIFY(h.messages.shown[0].startsWith(
                QStringLiteral("Fehler: Die Notiz vom 24.12.2016 konnte nicht gelesen werden: ")));
            const fs::path note = h.folder.path() / "20161124.txt";
            if (pipe) {
                QVERIFY(fs::is_fifo(note));
            } else {
                fs::permissions(note, fs::perms::owner_read);
                std::ifstream in(note, std::ios::binary);
                QCOMPARE(std::string(std::istreambuf_iterator<char>(in), {}),
                         std::string("047111118"));
            }
        }
#endif
    }

    void bulkDeletionTakesNotesMarkingsAndBars() {
        const ShiftMarkingList loaded(
            {{dayNumberOf(2016, 12, 22), 2, 1}, {dayNumberOf(2016, 12, 30), 3, 2}});
        NotesHarness h({{"20161120.txt", "alt"}, {"20161125.txt", "neu"}, {"1124.jnt", "jährlich"}},
                       [&](const fs::path& folder) {
                           SystemFileSystem files;
                           UserFileStore store(files);
                           ShiftMarkingList markings = loaded;
                           CalendarBarList bars(
                               {{dayNumberOf(2016, 12, 20), dayNumberOf(2017, 1, 5), 0xFF},
                                {17170, 17172, 0xFF00}});
                           QVERIFY(saveShiftMarkings(store, folder, markings).ok);
                           QVERIFY(saveCalendarBars(store, folder, bars).ok);
                       });
        // Another installation on the same folder marks a day meanwhile.
        SystemFileSystem files;
        UserFileStore store(files);
        ShiftMarkingList other(loaded.entries());
        other.put({dayNumberOf(2016, 12, 31), 1, 3});
        QVERIFY(saveShiftMarkings(store, h.folder.path(), other).ok);
        h.script.steps.append([](QWidget* dialog) {
            auto* deletion = static_cast<BulkDeletionDialog*>(dialog);
            for (QCheckBox* box : {deletion->dayNotesBox(), deletion->shiftMarkingsBox(),
                                   deletion->calendarBarsBox(), deletion->yearlyNotesBox()})
                box->setChecked(true);
            deletion->deleteButton()->click();
        });
        h.press(Qt::Key_L);

        QCOMPARE(h.messages.shown,
                 QStringList{"Frage: Sollen die Notizen wirklich alle gelöscht werden?"});
        QVERIFY(!fs::exists(h.folder.path() / "20161120.txt"));
        QVERIFY(!fs::exists(h.folder.path() / "1124.jnt"));
        QCOMPARE(h.stored("20161125.txt"), std::string("neu"));
        const std::vector<ShiftMarking> kept{{dayNumberOf(2016, 12, 30), 3, 2},
                                             {dayNumberOf(2016, 12, 31), 1, 3}};
        QCOMPARE(loadShiftMarkings(store, h.folder.path()).entries(), kept);
        QCOMPARE(loadCalendarBars(store, h.folder.path()).bars().size(), 1u);
        QVERIFY(!h.state().shiftMarkings.changed && !h.state().calendarBars.changed);
        QVERIFY(!h.markShows(0, 20, 0, 2.5, kDayNote));
    }
};

QTEST_MAIN(MainWindowNotesTest)
#include "MainWindowNotesTest.moc"
