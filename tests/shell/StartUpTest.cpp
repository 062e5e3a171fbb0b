#include "shell/StartUp.h"

#include "TemporaryFolder.h"

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
    EXPECT_TRUE(state.showVacationBlock);
    EXPECT_FALSE(state.quit);
}

TEST(StartUp, WhatTheProgramChangedIsThereNextTime) {
    test::TemporaryFolder start;
    AppState first;
    loadStartState(first, start.path(), 2016);
    first.lastColumnIndex = 11;
    first.shiftSystem.calendarType = 6;
    first.showVacationBlock = false;
    saveEndState(first);

    AppState second;
    loadStartState(second, start.path(), 2016);
    EXPECT_EQ(second.lastColumnIndex, 11);
    EXPECT_EQ(second.pageWidth, 216);
    EXPECT_EQ(second.shiftSystem.calendarType, 6);
    EXPECT_FALSE(second.showVacationBlock);
}

TEST(StartUp, ColumnCountOutOfRangeFallsBackToSix) {
    for (const int stored : {2, 24, -1}) {
        AppState state;
        state.settings.lastColumnIndex = static_cast<std::int8_t>(stored);
        takeOverSettings(state);
        EXPECT_EQ(state.lastColumnIndex, 5) << stored;
        EXPECT_EQ(state.pageWidth, 108) << stored;
    }
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
