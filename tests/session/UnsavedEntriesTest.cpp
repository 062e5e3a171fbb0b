// What an end that could not save keeps for the next start, and saves that read a mended
// file again.
#include "session/Session.h"

#include "TemporaryFolder.h"
#include "markings/MarkingCodes.h"
#include "platform/FileLock.h"
#include "settings/SettingsFile.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <stdexcept>

using namespace tp;
using namespace std::chrono_literals;

namespace {

namespace fs = std::filesystem;

const LocalDateTime kChristmasEve{2016, 12, 24, 9, 30, 0};

std::vector<ShiftMarking> markingsIn(const fs::path& folder) {
    return loadShiftMarkings(test::TestStore{}, folder).entries();
}
std::vector<CalendarBar> barsIn(const fs::path& folder) {
    return loadCalendarBars(test::TestStore{}, folder).bars();
}

// A run of the program in `startFolder`, started as the program starts.
struct ProgramRun {
    explicit ProgramRun(const fs::path& startFolder) { started = session.start(startFolder); }
    FixedClock clock{kChristmasEve};
    SystemFileSystem files;
    Session session{files, clock};
    SessionReport started;
};

// The lock of `folder` as another installation holds it while it saves.
FileLock lockHeldElsewhere(const fs::path& folder) {
    int error = 0;
    std::optional<FileLock> lock = FileLock::acquire(folder / kFolderLockFileName, 0ms, error);
    if (!lock)
        throw std::runtime_error("the lock of the data folder is taken");
    return std::move(*lock);
}

const EditedEntries<ShiftMarking> kThreeMarkings{
    {{17000, 2, Vacation}, {17005, 2, Vacation}},
    {{17000, 3, Vacation}, {17001, 2, Sick}}}; // one changed, one set, one removed
const EditedEntries<CalendarBar> kOneBar{{{17100, 17105, 0xFF}}, {{17100, 17106, 0xFF}}};
const EditedSettings kSettings{"Ortsname=A\r\n", "Ortsname=B\r\n"};

} // namespace

TEST(UnsavedEntries, FileGivesBackWhatWasKept) {
    UnsavedEntries all;
    all.dataFolder = fs::path(u8"/home/jürgen/TPDaten/Jürgen");
    all.markings = kThreeMarkings;
    all.bars = kOneBar;
    all.dataRoot = fs::path(u8"/home/jürgen/TPDaten");
    all.userName = "Jürgen";
    all.settings = kSettings;
    UnsavedEntries markingsOnly = all;
    markingsOnly.bars.reset();
    markingsOnly.settings.reset();
    UnsavedEntries settingsOnly = all;
    settingsOnly.markings.reset();
    settingsOnly.bars.reset();
    for (const UnsavedEntries& entries : {all, markingsOnly, settingsOnly})
        EXPECT_EQ(unsavedEntriesFromFileBytes(unsavedEntriesFileBytes(entries)), entries);

    // A second end within the same second keeps a file of its own.
    test::TemporaryFolder keep;
    SystemFileSystem files;
    const KeptEntriesFile first = keepUnsavedEntries(files, keep.path(), all, kChristmasEve);
    const KeptEntriesFile second =
        keepUnsavedEntries(files, keep.path(), settingsOnly, kChristmasEve);
    EXPECT_EQ(keptEntriesFiles(files, keep.path()), (std::vector{first.file, second.file}));

    // A damaged file gives nothing rather than a part of the entries.
    const std::string whole = unsavedEntriesFileBytes(all);
    for (const std::string& damaged :
         {whole.substr(0, whole.size() - 1), "x" + whole,
          whole.substr(0, whole.find("Schichtmarkierungen-bearbeitet")), std::string()})
        EXPECT_FALSE(unsavedEntriesFromFileBytes(damaged));
}

TEST(UnsavedEntries, FolderComesFromTheEnvironment) {
    struct Case {
        std::map<std::string, std::string> variables;
        fs::path folder;
    };
#ifdef _WIN32
    const Case cases[] = {
        {{{"LOCALAPPDATA", "C:\\Users\\anna\\AppData\\Local"}},
         "C:\\Users\\anna\\AppData\\Local\\Turnoplaner"},
        {{}, {}},
    };
#else
    const Case cases[] = {
        {{{"XDG_STATE_HOME", "/zustand"}, {"HOME", "/home/anna"}}, "/zustand/turnoplaner"},
        {{{"XDG_STATE_HOME", "zustand"}, {"HOME", "/home/anna"}},
         "/home/anna/.local/state/turnoplaner"},
        {{{"HOME", "/home/anna"}}, "/home/anna/.local/state/turnoplaner"},
        {{}, {}},
    };
#endif
    for (const Case& c : cases) {
        const auto environment = [&c](const char* name) -> std::optional<fs::path> {
            const auto found = c.variables.find(name);
            return found == c.variables.end() ? std::nullopt
                                              : std::optional(fs::path(found->second));
        };
        EXPECT_EQ(unsavedEntriesFolder(environment), c.folder);
    }
}

TEST(UnsavedEntries, QuestionNamesWhatIsOffered) {
    struct Case {
        std::optional<EditedEntries<ShiftMarking>> markings;
        std::optional<EditedEntries<CalendarBar>> bars;
        std::optional<EditedSettings> settings;
        const char* question;
    };
    const Case cases[] = {
        {kThreeMarkings,
         {},
         {},
         "Beim letzten Ende konnten 3 Schichtmarkierungen nicht gespeichert werden. Jetzt "
         "übernehmen?"},
        {EditedEntries<ShiftMarking>{{}, {{17000, 2, Vacation}}},
         {},
         {},
         "Beim letzten Ende konnte 1 Schichtmarkierung nicht gespeichert werden. Jetzt "
         "übernehmen?"},
        {{},
         kOneBar,
         kSettings,
         "Beim letzten Ende konnten 1 Kalendermarkierung und die Einstellungen nicht gespeichert "
         "werden. Jetzt übernehmen?"},
        {kThreeMarkings, kOneBar, kSettings,
         "Beim letzten Ende konnten 3 Schichtmarkierungen, 1 Kalendermarkierung und die "
         "Einstellungen nicht gespeichert werden. Jetzt übernehmen?"},
    };
    for (const Case& c : cases) {
        UnsavedEntries entries;
        entries.markings = c.markings;
        entries.bars = c.bars;
        entries.settings = c.settings;
        EXPECT_EQ(takeOverQuestion(entries), c.question);
    }
}

// The end's save fails: another installation holds the lock of the data folder (waited for
// once, not once per file), and the settings file cannot be replaced. The edits go into a file
// of their own; the next start merges them with what was written meanwhile, and keeps the
// file while a part cannot be written yet.
TEST(UnsavedEntries, FailedEndIsTakenOverAtTheNextStart) {
    test::TemporaryFolder start, keep;
    fs::path dataFolder, settingsFile;
    {
        ProgramRun last(start.path());
        ASSERT_TRUE(last.started.ok());
        dataFolder = last.session.state().dataFolder;
        settingsFile = dataFolder / kSettingsFileName;
        for (const DayNumber day : {17000, 17001, 17002})
            last.session.storeShiftMarking(day, 2, Vacation);
        CalendarBarList bars;
        saveBarEntry(bars, 17100, 17105, 0x00FF00);
        last.session.replaceCalendarBars(bars);
        last.session.setPlaceName("Traunstein");

        const FileLock held = lockHeldElsewhere(dataFolder);
        fs::create_directories(settingsFile / "belegt");
        const auto before = std::chrono::steady_clock::now();
        const std::string line = last.session.saveAllOrKeep(keep.path());
        EXPECT_LT(std::chrono::steady_clock::now() - before, 3s);
        EXPECT_TRUE(line.starts_with("Turnoplaner: Beim Beenden konnte nicht alles gespeichert "
                                     "werden (Der gemeinsame Datenordner wird gerade"))
            << line;
        EXPECT_TRUE(line.ends_with("; der nächste Start bietet sie an.")) << line;
        fs::remove_all(settingsFile);
    }
    // Meanwhile the other installation marked a day, and the settings file changed elsewhere.
    ShiftMarkingList other(std::vector<ShiftMarking>{{17010, 1, Sick}});
    ASSERT_TRUE(saveShiftMarkings(test::TestStore{}, dataFolder, other).ok);
    ProgramSettings changedElsewhere;
    changedElsewhere.lastColumnIndex = 7;
    ASSERT_TRUE(saveSettings(test::TestStore{}, dataFolder, changedElsewhere).ok);

    ProgramRun next(start.path());
    auto kept = next.session.keptEntries(keep.path());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].question,
              "Beim letzten Ende konnten 3 Schichtmarkierungen, 1 Kalendermarkierung und die "
              "Einstellungen nicht gespeichert werden. Jetzt übernehmen?");
    {
        const FileLock stillHeld = lockHeldElsewhere(dataFolder);
        const SessionReport failed = next.session.takeOverKeptEntries(kept[0].file);
        EXPECT_EQ(failed.errors.back(),
                  "Was nicht übernommen werden konnte, wird beim nächsten Start wieder "
                  "angeboten.");
    }
    kept = next.session.keptEntries(keep.path());
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].question, "Beim letzten Ende konnten 3 Schichtmarkierungen und 1 "
                                "Kalendermarkierung nicht gespeichert werden. Jetzt übernehmen?");
    EXPECT_TRUE(next.session.takeOverKeptEntries(kept[0].file).ok());
    EXPECT_TRUE(next.session.keptEntries(keep.path()).empty());

    const std::vector<ShiftMarking> merged{
        {17000, 2, Vacation}, {17001, 2, Vacation}, {17002, 2, Vacation}, {17010, 1, Sick}};
    EXPECT_EQ(markingsIn(dataFolder), merged);
    EXPECT_EQ(next.session.state().shiftMarkings.entries(), merged);
    EXPECT_EQ(barsIn(dataFolder), (std::vector<CalendarBar>{{17100, 17105, 0x00FF00}}));
    const ProgramSettings settings = loadSettings(test::TestStore{}, dataFolder, {}).settings;
    EXPECT_EQ(settings.placeName, "Traunstein");
    EXPECT_EQ(settings.lastColumnIndex, 7);
    EXPECT_EQ(next.session.state().placeName, "Traunstein");
}

// A file that could not be read at loading is read again by every save: once the user mended
// it, "Wiederholen" merges his edits with what the file holds.
TEST(SharedFolder, RetryReadsAMendedFileAgain) {
    const ShiftMarking ourMarking{17000, 2, Vacation}, otherMarking{17005, 1, Sick};
    const CalendarBar ourBar{17100, 17101, 0x00FF00}, otherBar{17200, 17201, 0xFF0000};
    for (const bool markingsUnreadable : {true, false}) {
        const char* fileName = markingsUnreadable ? kShiftMarkingFileName : kCalendarBarFileName;
        test::TemporaryFolder shared;
        fs::create_directory(shared.path() / fileName);
        FixedClock clock{kChristmasEve};
        SystemFileSystem files;
        Session session(files, clock);
        ASSERT_EQ(session.openDataFolder(shared.path(), {}).errors.size(), 1u);
        session.storeShiftMarking(ourMarking.day, ourMarking.column, ourMarking.code);
        CalendarBarList bars;
        saveBarEntry(bars, ourBar.start, ourBar.end, ourBar.colour);
        session.replaceCalendarBars(bars);
        const SessionReport refused = session.saveMarkingsAndBars();
        ASSERT_EQ(refused.errors.size(), 1u);
        EXPECT_NE(refused.errors[0].find("konnte nicht gelesen werden"), std::string::npos);

        // The user mends it: the file holds what another installation wrote.
        fs::remove(shared.path() / fileName);
        ShiftMarkingList otherMarkings({otherMarking});
        CalendarBarList otherBars({otherBar});
        ASSERT_TRUE(markingsUnreadable
                        ? saveShiftMarkings(test::TestStore{}, shared.path(), otherMarkings).ok
                        : saveCalendarBars(test::TestStore{}, shared.path(), otherBars).ok);
        EXPECT_TRUE(session.saveMarkingsAndBars().ok()) << fileName;
        EXPECT_EQ(
            markingsIn(shared.path()),
            (markingsUnreadable ? std::vector{ourMarking, otherMarking} : std::vector{ourMarking}));
        EXPECT_EQ(barsIn(shared.path()),
                  (markingsUnreadable ? std::vector{ourBar} : std::vector{ourBar, otherBar}));
    }
}
