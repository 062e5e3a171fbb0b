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

TEST(StartUp, UnwritableStartFolderRunsOnDefaults) {
    test::TemporaryFolder start;
    const auto blocker = start.path() / "file";
    std::ofstream(blocker) << "x";
    AppState state;
    loadStartState(state, blocker, 2016); // "TPDaten" cannot be made inside a file
    EXPECT_TRUE(state.folders.userFolder.empty());
    EXPECT_EQ(state.lastColumnIndex, 5);
    saveEndState(state); // writes nothing, and does not fail
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
    saveEndState(state);
}

} // namespace
