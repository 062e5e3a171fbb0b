#include "session/Session.h"

#include "TemporaryFolder.h"
#include "model/BlockCrewOrder.h"
#include "settings/DataFolderMove.h"
#include "settings/SettingsFile.h"
#include "support/FaultyDisk.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tp;

namespace {

namespace fs = std::filesystem;

const LocalDateTime kChristmasEve{2016, 12, 24, 9, 30, 0};

struct ProgramRun {
    FixedClock clock{kChristmasEve};
    SystemFileSystem files;
    Session session{files, clock};
};

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(SessionStart, FirstStartCreatesTheFoldersAndUsesDefaults) {
    test::TemporaryFolder start;
    ProgramRun run;
    EXPECT_TRUE(run.session.start(start.path()).ok());
    const SessionState& state = run.session.state();
    EXPECT_TRUE(fs::is_directory(start.path() / "TPDaten" / "Programm"));
    EXPECT_EQ(state.dataFolder, fs::absolute(start.path()) / "TPDaten" / "Programm");
    EXPECT_EQ(state.lastColumnIndex, 5);
    EXPECT_EQ(pageWidthOf(state), 108);
    EXPECT_EQ(state.pageBackground, 0xD8E9EC);
    EXPECT_TRUE(state.switches.vacationBlock);
    EXPECT_EQ(run.session.settings().userDataFolder, folderPathText(state.dataRoot));
    EXPECT_EQ(state.calendarType, CalendarType::WendringPm1);
}

TEST(SessionStart, WhatTheProgramChangedIsThereNextTime) {
    test::TemporaryFolder start;
    {
        ProgramRun first;
        first.session.start(start.path());
        first.session.setLastColumnIndex(11);
        first.session.setCalendarType(CalendarType::ValdorHalmstett);
        first.session.setVacationBlockShown(false);
        first.session.setEarliestVacationStart({5, 2});
        first.session.setFont({"DejaVu Sans", 12, 256});
        EXPECT_TRUE(first.session.saveAll().ok());
    }
    ProgramRun second;
    second.session.start(start.path());
    const SessionState& state = second.session.state();
    EXPECT_EQ(state.lastColumnIndex, 11);
    EXPECT_EQ(state.calendarType, CalendarType::ValdorHalmstett);
    EXPECT_FALSE(state.switches.vacationBlock);
    EXPECT_EQ(second.session.shiftSystem().earliestVacationStart, (MonthDay{5, 2}));
    EXPECT_EQ(state.font.name, "DejaVu Sans");
    EXPECT_EQ(state.font.style, 256);
}

// Every stored value comes back unchanged from the running program.
TEST(SessionStart, HandOverKeepsEveryStoredValue) {
    const ProgramSettings stored = settingsFromFileBytes("[Programmeinstellungen]\r\n"
                                                         "Fontname = Liberation Serif\r\n"
                                                         "Fontgr\xF6\xDF"
                                                         "e = 14\r\n"
                                                         "Fontstil = 768\r\n"
                                                         "Schichtspalten = 11\r\n"
                                                         "Schulferien anzeigen = 0\r\n"
                                                         "Wochennummer anzeigen = 0\r\n"
                                                         "Anwenderverzeichnis = /mnt/daten/\r\n"
                                                         "Anwendername = Meier\r\n"
                                                         "Schichtart = 4\r\n"
                                                         "UrlaubBlockAnzeige = 0\r\n"
                                                         "Sollstunden_38 = 1950.5\r\n"
                                                         "Sollstunden_40 = 2000.25\r\n"
                                                         "UrlaubStartMonat = 5\r\n"
                                                         "UrlaubStartTag = 3\r\n"
                                                         "UrlaubZyklus = 3\r\n"
                                                         "[Astronomie]\r\n"
                                                         "Breite = 52.31\r\n"
                                                         "L\xE4nge = -13.24\r\n"
                                                         "Zeitzone = 2\r\n"
                                                         "Sommerzeit automatisch = 0\r\n"
                                                         "Ortsname = Anderswo\r\n"
                                                         "D\xE4mmerung = 2\r\n"
                                                         "Mondphasen anzeigen = 1\r\n"
                                                         "Perihel und Aphel anzeigen = 1\r\n",
                                                         "/daten/TPDaten/");
    ProgramRun run;
    run.session.openDataFolder(pathFromStored(stored.userDataFolder) / "Meier", "");
    run.session.applySettings(stored);
    const SessionState& state = run.session.state();
    ProgramSettings expected = stored; // the folder written with this system's separators
    expected.userDataFolder = folderPathText(pathFromStored(stored.userDataFolder));
    EXPECT_EQ(settingsFileBytes(run.session.settings()), settingsFileBytes(expected));
    EXPECT_EQ(pageWidthOf(state), 216);
    EXPECT_EQ(state.calendarType, CalendarType::WerkTwoNightBlock);
}

// The stored cycle rotates the crew order of the current year's table from its initial
// order, however often the settings are handed over.
TEST(SessionStart, VacationCycleRotatesTheCrewOrderOfTheCurrentYear) {
    ProgramSettings stored;
    stored.vacation.cycle = 2;
    BlockVacationTables expected = DefaultBlockVacationTables;
    rotateBlockCrewOrder(expected, 2026, 2);

    FixedClock clock{{2026, 3, 1, 12, 0, 0}};
    SystemFileSystem files;
    Session session{files, clock};
    session.setView({2026, 1, 0, 1});
    session.rotateVacationCycleOfShownYear(); // a "Y" press before loading
    for (int handOver = 0; handOver < 2; ++handOver) {
        session.applySettings(stored);
        EXPECT_EQ(session.shiftSystem().blockVacationTables, expected);
    }
    EXPECT_EQ(session.state().blockVacationTables[0], DefaultBlockVacationTables[0]);
}

// "TPDaten" is a file: the run goes on with the defaults, and the end says what was not saved.
TEST(SessionStart, UnwritableStartFolderRunsOnDefaultsAndSaysSo) {
    test::TemporaryFolder start;
    std::ofstream(start.path() / "TPDaten") << "x";
    ProgramRun run;
    const SessionReport started = run.session.start(start.path());
    ASSERT_EQ(started.errors.size(), 1u);
    EXPECT_TRUE(started.errors[0].starts_with("Der Datenordner \"")) << started.errors[0];
    EXPECT_EQ(run.session.state().lastColumnIndex, 5);
    const SessionReport end = run.session.saveAll();
    ASSERT_EQ(end.errors.size(), 1u);
    EXPECT_EQ(end.errors[0], "Die Datei \"Einstellungen.dat\" konnte nicht geschrieben werden: "
                             "Ein Teil des Pfades ist kein Ordner");
}

// A settings file that exists but cannot be read: defaults for the run, one message, and the
// file is the same after the run.
TEST(SessionStart, UnreadableSettingsAreKept) {
    test::TemporaryFolder start;
    const auto file = start.path() / "TPDaten" / "Programm" / "Einstellungen.dat";
    fs::create_directories(file.parent_path());
    const std::string tooLarge =
        "[Programmeinstellungen]\r\nSchichtspalten = 9\r\n" + std::string(17 << 20, ';');
    std::ofstream(file, std::ios::binary) << tooLarge;

    ProgramRun run;
    EXPECT_EQ(run.session.start(start.path()).errors,
              std::vector<std::string>{kSettingsUnreadableMessage});
    EXPECT_EQ(run.session.state().lastColumnIndex, 5);
    run.session.setLastColumnIndex(7);
    EXPECT_TRUE(run.session.saveAll().ok());
    EXPECT_TRUE(contentOf(file) == tooLarge);
}

// What interrupted saves left behind goes at the start once it is an hour old; a newer one
// may belong to a save that is still running. The settings are saved in the user's folder
// even when his data live outside the data root.
TEST(SessionStart, StaleTemporaryFilesAreRemoved) {
    for (const bool dataOutsideRoot : {false, true}) {
        SCOPED_TRACE(dataOutsideRoot);
        test::TemporaryFolder start, elsewhere;
        const fs::path userFolder = start.path() / "TPDaten" / "Programm";
        const fs::path folder =
            dataOutsideRoot ? elsewhere.path() / "TPDaten" / "Programm" : userFolder;
        fs::create_directories(userFolder);
        fs::create_directories(folder);
        if (dataOutsideRoot) {
            ProgramSettings settings;
            settings.userDataFolder = folderPathText(elsewhere.path() / "TPDaten");
            test::TestStore store;
            ASSERT_TRUE(saveSettings(store, userFolder, settings).ok);
        }
        const fs::path stale = folder / "Schichtmarkierung.dat.0123456789abcdef.neu";
        const fs::path staleSettings = userFolder / "Einstellungen.dat.00112233445566ff.neu";
        const fs::path fresh = folder / "Kalendermarkierung.dat.fedcba9876543210.neu";
        const fs::path foreign = folder / "Brief.neu";
        for (const fs::path& file : {stale, staleSettings, fresh, foreign})
            std::ofstream(file) << "x";
        for (const fs::path& file : {stale, staleSettings, foreign})
            fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(2));

        ProgramRun run;
        run.session.start(start.path());
        ASSERT_EQ(run.session.state().dataFolder, fs::absolute(folder));
        EXPECT_FALSE(fs::exists(stale));
        EXPECT_FALSE(fs::exists(staleSettings));
        EXPECT_TRUE(fs::exists(fresh));
        EXPECT_TRUE(fs::exists(foreign));
    }
}

// Records the program cannot use are told at the start with their number; the file as it
// was is kept beside it before it is first written without them.
TEST(SessionStart, SkippedRecordsAreToldAndTheDamagedFileKept) {
    const std::string marking("\x68\x42\0\0\1\1", 6); // day 17000, column 1, code 1
    const std::string bar("\x68\x42\0\0\x6D\x42\0\0\0\xFF\0\0", 12);
    const struct {
        const char* name;
        std::string bytes;
        const char* skipped;
    } files[] = {
        {"Schichtmarkierung.dat",
         marking + std::string("\0\0\0\0\1\1", 6) + "\xFF\xFF\xFF\x7F\1\1" + "abc",
         "3 beschädigte Einträge, die übersprungen wurden"},
        {"Kalendermarkierung.dat", bar + bar.substr(4, 4) + bar.substr(0, 8) + "12345",
         "2 beschädigte Einträge, die übersprungen wurden"},
        {"Einstellungen.dat",
         "[Programmeinstellungen]\r\nSchichtspalten = 9\r\nkein Wert\r\nSchichtspalten = 7\r\n",
         "2 beschädigte Einträge, die übersprungen wurden"},
        {"Urlaubstage.dat", "\1\2\3\4\5", "einen beschädigten Eintrag, der übersprungen wurde"},
    };
    for (const auto& damaged : files) {
        SCOPED_TRACE(damaged.name);
        test::TemporaryFolder start;
        const fs::path folder = start.path() / "TPDaten" / "Programm";
        fs::create_directories(folder);
        std::ofstream(folder / damaged.name, std::ios::binary) << damaged.bytes;
        const fs::path copy = folder / (fs::path(damaged.name).u8string() + u8".beschädigt");

        ProgramRun run;
        const std::vector<std::string> errors = run.session.start(start.path()).errors;
        EXPECT_EQ(errors, std::vector<std::string>{"Die Datei \"" + std::string(damaged.name) +
                                                   "\" enthält " + damaged.skipped +
                                                   ". Sie wird vor dem nächsten Speichern als \"" +
                                                   damaged.name + ".beschädigt\" aufbewahrt."});
        EXPECT_TRUE(fs::exists(copy) || contentOf(folder / damaged.name) == damaged.bytes);
        run.session.storeShiftMarking(17010, 1, 1);
        CalendarBarList bars = run.session.state().calendarBars;
        bars.append({17020, 17021, 0xFF});
        run.session.replaceCalendarBars(bars);
        run.session.setLastColumnIndex(7);
        EXPECT_TRUE(run.session.saveAll().ok());
        EXPECT_TRUE(contentOf(copy) == damaged.bytes);
        EXPECT_NE(contentOf(folder / damaged.name), damaged.bytes);

        ProgramRun next;
        EXPECT_TRUE(next.session.start(start.path()).ok());
    }
}

// A move of the data onto a shared folder is killed at each of its steps in turn; the next start
// of an installation that uses that folder finds the data there complete and says what it did.
TEST(SessionStart, AMoveKilledAtAnyStepIsSettledAtTheNextStart) {
    enum class After { Nothing, RolledBack, Finished };
    struct Kill {
        test::DiskOperation operation;
        int nthCall;
        After after;
    };
    using enum test::DiskOperation;
    const Kill kills[] = {
        {MakeFolder, 2, After::Nothing},    // before the copy's folder is made
        {CopyFolder, 1, After::RolledBack}, // while the shared folder's own files are copied
        {CopyFolder, 2, After::RolledBack}, // while the data are copied
        {Rename, 1, After::RolledBack},     // before the shared folder is put aside
        {Rename, 2, After::RolledBack},     // before the copy is put in its place
        {RemoveFolder, 1, After::Finished}, // before the former contents are cleared away
    };
    const std::string rolledBack = " war unterbrochen worden. Er wurde jetzt rückgängig gemacht; "
                                   "der Ordner ist wieder wie vor dem Umzug.";
    const std::string finished =
        " war unterbrochen worden. Er wurde jetzt abgeschlossen; die Daten dort sind vollständig.";
    for (const Kill& kill : kills) {
        SCOPED_TRACE(static_cast<int>(kill.operation) * 10 + kill.nthCall);
        test::TemporaryFolder mover, shared, sharer;
        const fs::path moverFolder = mover.path() / "TPDaten" / "Programm";
        const fs::path target = shared.path() / "TPDaten" / "Programm";
        fs::create_directories(moverFolder);
        fs::create_directories(target);
        std::ofstream(moverFolder / "20261124.txt") << "mine";
        std::ofstream(target / "20250101.txt") << "theirs";
        std::ofstream(target / "Liste.csv") << "list";
        ProgramSettings sharing;
        sharing.userDataFolder = folderPathText(shared.path() / "TPDaten");
        fs::create_directories(sharer.path() / "TPDaten" / "Programm");
        test::TestStore store;
        saveSettings(store, sharer.path() / "TPDaten" / "Programm", sharing);

        test::FaultyDisk killing(
            {.operation = kill.operation, .nthCall = kill.nthCall, .killed = true});
        ProgramSettings moving;
        // Only the last step's failure leaves the move done: the former contents go later.
        EXPECT_EQ(moveDataFolder(killing, {mover.path() / "TPDaten", "Programm", moverFolder},
                                 shared.path(), moving, [] { return true; }, {})
                      .moved,
                  kill.after == After::Finished);

        ProgramRun run;
        const SessionReport report = run.session.start(sharer.path());
        EXPECT_TRUE(report.ok());
        EXPECT_EQ(run.session.state().dataFolder, target);
        const std::string told = "Der Umzug der Daten nach \"" + target.string() + "\"" +
                                 (kill.after == After::Finished ? finished : rolledBack);
        EXPECT_EQ(report.notices, kill.after == After::Nothing ? std::vector<std::string>{}
                                                               : std::vector<std::string>{told});
        const bool moved = kill.after == After::Finished;
        EXPECT_EQ(contentOf(target / "20250101.txt"), moved ? "" : "theirs");
        EXPECT_EQ(contentOf(target / "20261124.txt"), moved ? "mine" : "");
        EXPECT_EQ(contentOf(target / "Liste.csv"), "list");
        EXPECT_EQ(contentOf(moverFolder / "20261124.txt"), "mine");
        std::vector<fs::path> besideTarget;
        for (const auto& entry : fs::directory_iterator(target.parent_path()))
            besideTarget.push_back(entry.path().filename());
        EXPECT_EQ(besideTarget, std::vector<fs::path>{"Programm"});
    }
}

} // namespace

namespace {

// A data file that is a link to a file elsewhere is named at loading and never written through
// or replaced, whichever kind it is.
TEST(SessionStart, ADataFileThatIsALinkIsNamedAndKept) {
#ifdef _WIN32
    GTEST_SKIP() << "links need rights on Windows that a test does not have";
#endif
    for (const char* name : {"Einstellungen.dat", "Schichtmarkierung.dat", "Kalendermarkierung.dat",
                             "Minusstunden.dat", "Urlaubstage.dat"}) {
        SCOPED_TRACE(name);
        test::TemporaryFolder start, elsewhere;
        const fs::path folder = start.path() / "TPDaten" / "Programm";
        fs::create_directories(folder);
        std::ofstream(elsewhere.path() / name) << "x";
        fs::create_symlink(elsewhere.path() / name, folder / name);

        ProgramRun run;
        const std::string kept = "Die Datei \"" + std::string(name) +
                                 "\" ist eine Verknüpfung und wird nicht verändert.";
        EXPECT_EQ(run.session.start(start.path()).errors, std::vector<std::string>{kept});
        run.session.storeShiftMarking(run.session.today(), 0, 1);
        run.session.saveAll();
        UserFileStore store(run.files);
        EXPECT_EQ(store.save(folder / name, "y", false).reason, kept);
        EXPECT_EQ(store.remove(folder / name).reason, kept);
        EXPECT_TRUE(fs::is_symlink(folder / name));
        EXPECT_EQ(contentOf(elsewhere.path() / name), "x");
    }
}

} // namespace
