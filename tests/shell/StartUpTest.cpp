#include "shell/StartUp.h"

#include "TemporaryFolder.h"
#include "accounts/BlockCrewOrder.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tp;

namespace {

TEST(StartUp, FirstStartCreatesTheFoldersAndUsesDefaults) {
    test::TemporaryFolder start;
    AppState state;
    loadStartState(state, start.path(), 2016);
    EXPECT_TRUE(std::filesystem::is_directory(start.path() / "TPDaten" / "Programm"));
    EXPECT_EQ(state.folders.userFolder,
              std::filesystem::absolute(start.path()) / "TPDaten" / "Programm");
    EXPECT_EQ(state.lastColumnIndex, 5);
    EXPECT_EQ(state.pageWidth, 108);
    EXPECT_EQ(state.pageBackground, 0xD8E9EC);
    EXPECT_TRUE(state.switches.vacationBlock);
    EXPECT_FALSE(state.quit);
    EXPECT_EQ(state.userDataFolder, folderPathText(state.folders.dataRoot));
    EXPECT_EQ(state.calendarType, CalendarType::WendringPm1);
}

TEST(StartUp, WhatTheProgramChangedIsThereNextTime) {
    test::TemporaryFolder start;
    AppState first;
    loadStartState(first, start.path(), 2016);
    first.lastColumnIndex = 11;
    first.calendarType = CalendarType::ValdorHalmstett;
    first.switches.vacationBlock = false;
    first.earliestVacationStart = {5, 2};
    first.font = {"DejaVu Sans", 12, 256};
    saveEndState(first);

    AppState second;
    loadStartState(second, start.path(), 2016);
    EXPECT_EQ(second.lastColumnIndex, 11);
    EXPECT_EQ(second.pageWidth, 216);
    EXPECT_EQ(second.calendarType, CalendarType::ValdorHalmstett);
    EXPECT_FALSE(second.switches.vacationBlock);
    EXPECT_EQ(shiftSystemOf(second).earliestVacationStart, (MonthDay{5, 2}));
    EXPECT_EQ(second.font.name, "DejaVu Sans");
    EXPECT_EQ(second.font.style, 256);
}

// Every stored value comes back unchanged from the running program.
TEST(StartUp, HandOverKeepsEveryStoredValue) {
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
    AppState state;
    takeOverSettings(state, stored, 2026);
    EXPECT_EQ(settingsFileBytes(settingsOf(state)), settingsFileBytes(stored));
    EXPECT_EQ(state.lastColumnIndex, 11);
    EXPECT_EQ(state.pageWidth, 216);
    EXPECT_EQ(state.calendarType, CalendarType::WerkTwoNightBlock);
}

// The stored cycle rotates the crew order of the current year's table from its initial
// order, however often the settings are handed over.
TEST(StartUp, VacationCycleRotatesTheCrewOrderOfTheCurrentYear) {
    ProgramSettings stored;
    stored.vacationCycle = 2;
    BlockVacationTables expected = DefaultBlockVacationTables;
    rotateBlockCrewOrder(expected, 2026, 2);

    AppState state;
    rotateBlockCrewOrder(state.blockVacationTables, 2026, 1); // a "Y" press before loading
    takeOverSettings(state, stored, 2026);
    EXPECT_EQ(state.blockVacationTables, expected);
    takeOverSettings(state, stored, 2026);
    EXPECT_EQ(shiftSystemOf(state).blockVacationTables, expected);
    EXPECT_EQ(state.blockVacationTables[1][0], (std::array<int, 5>{0, 1, 2, 3, 4}));
    EXPECT_EQ(state.blockVacationTables[0], DefaultBlockVacationTables[0]);
}

// "TPDaten" is a file: the run goes on with the defaults, and the end says what was not saved,
// once.
TEST(StartUp, UnwritableStartFolderRunsOnDefaultsAndSaysSo) {
    test::TemporaryFolder start;
    std::ofstream(start.path() / "TPDaten") << "x";
    AppState state;
    EXPECT_TRUE(loadStartState(state, start.path(), 2016).empty());
    EXPECT_EQ(state.lastColumnIndex, 5);
    const std::vector<std::string> problems = saveEndState(state);
    ASSERT_EQ(problems.size(), 1u);
    const std::string file = (state.folders.userFolder / "Einstellungen.dat").string();
    EXPECT_EQ(problems[0],
              file + " konnte nicht gespeichert werden: Ein Teil des Pfades ist kein Ordner");
    EXPECT_TRUE(saveEndState(state).empty());
}

std::string contentOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A settings file that exists but cannot be read: defaults for the run, one message, and the
// file is the same after the run.
TEST(StartUp, UnreadableSettingsAreKept) {
    test::TemporaryFolder start;
    const auto file = start.path() / "TPDaten" / "Programm" / "Einstellungen.dat";
    std::filesystem::create_directories(file.parent_path());
    const std::string tooLarge =
        "[Programmeinstellungen]\r\nSchichtspalten = 9\r\n" + std::string(17 << 20, ';');
    std::ofstream(file, std::ios::binary) << tooLarge;

    AppState state;
    EXPECT_EQ(loadStartState(state, start.path(), 2016),
              std::vector<std::string>{kSettingsUnreadableMessage});
    EXPECT_EQ(state.lastColumnIndex, 5);
    state.lastColumnIndex = 7;
    EXPECT_TRUE(saveEndState(state).empty());
    EXPECT_TRUE(contentOf(file) == tooLarge);
}

// Started from a folder that was removed meanwhile: no data folders, but no abort either.
TEST(StartUp, RemovedStartFolderRunsOnDefaults) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows does not remove the folder a program works in";
#endif
    test::TemporaryFolder start;
    const auto previous = std::filesystem::current_path();
    const auto removed = start.path() / "removed";
    std::filesystem::create_directory(removed);
    std::filesystem::current_path(removed);
    std::filesystem::remove(removed);

    const auto folder = startFolderOfProgram();
    AppState state;
    loadStartState(state, folder, 2016);
    std::filesystem::current_path(previous);

    EXPECT_TRUE(folder.empty());
    EXPECT_TRUE(state.folders.userFolder.empty());
    EXPECT_EQ(state.lastColumnIndex, 5);
    EXPECT_EQ(saveEndState(state).size(), 1u); // nothing could be saved, and that is said
}

} // namespace
