#include "settings/DataFolderMove.h"
#include "settings/DataFolders.h"
#include "support/FaultyDisk.h"
#include "support/TestStore.h"

#include "TemporaryFolder.h"
#include "platform/AtomicFile.h"
#include "session/Session.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tp {
namespace {

namespace fs = std::filesystem;

const std::string S(1, static_cast<char>(fs::path::preferred_separator));

TEST(StoredFolderTest, EitherSeparatorIsWrittenNativelyWithATrailingOne) {
    EXPECT_EQ(storedFolderText("D:/Daten/TPDaten"), "D:" + S + "Daten" + S + "TPDaten" + S);
    EXPECT_EQ(storedFolderText("D:\\Daten\\TPDaten\\"), "D:" + S + "Daten" + S + "TPDaten" + S);
    EXPECT_EQ(storedFolderText(""), "");
    EXPECT_EQ(parentFolder("C:\\A\\B\\"), "C:\\A\\");
    EXPECT_EQ(parentFolder("/a/b/"), "/a/");
    EXPECT_EQ(parentFolder("B\\"), "");
}

std::string read(const fs::path& file) {
    std::string bytes;
    readWholeFile(file, bytes);
    return bytes;
}

// A start folder with the data root, the user "Programm" and a few of his files.
class DataFolderTest : public ::testing::Test {
  protected:
    DataFolderTest() {
        dataRoot = start.path() / "TPDaten";
        userFolder = dataRoot / "Programm";
        fs::create_directories(userFolder);
        settings.userDataFolder = folderPathText(dataRoot);
        writeFileAtomically(userFolder / "20261124.txt", "note");
        writeFileAtomically(userFolder / "Schichtmarkierung.dat", "marks");
        writeFileAtomically(userFolder / kSettingsFileName, "[Programmeinstellungen]\r\n");
        fs::create_directories(other.path() / "Daten");
    }

    UserDataPlace place() const { return {dataRoot, "Programm", userFolder}; }

    DataFolderMove move(const fs::path& chosen, bool overwrite = true) {
        return moveDataFolder(
            *disk, place(), chosen, settings,
            [&] {
                ++questions;
                return overwrite;
            },
            [&] { ++recordSaves; });
    }

    static std::set<std::string> namesIn(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    test::TemporaryFolder start;
    test::TemporaryFolder other;
    SystemFileSystem system;
    FileSystem* disk = &system;
    fs::path dataRoot;
    fs::path userFolder;
    ProgramSettings settings;
    int questions = 0;
    int recordSaves = 0;
};

TEST_F(DataFolderTest, ExternalFolderWrittenWithEitherSeparatorIsFollowed) {
    EXPECT_EQ(checkExternalDataFolder(*disk, dataRoot, "Programm", settings).dataFolder,
              userFolder);
    const fs::path external = other.path() / "Daten" / "TPDaten";
    fs::create_directories(external / "Programm");
    std::string generic = external.generic_string() + "/";
    std::string backslashed = generic;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    for (const std::string& stored : {generic, backslashed}) {
        settings.userDataFolder = stored;
        const ExternalFolderCheck check =
            checkExternalDataFolder(*disk, dataRoot, "Programm", settings);
        EXPECT_EQ(check.dataFolder, external / "Programm") << stored;
        EXPECT_TRUE(check.missingFolderMessage.empty());
        EXPECT_EQ(settings.userDataFolder, folderPathText(external));
    }
}

TEST_F(DataFolderTest, MissingExternalFolderFallsBackAndIsSavedAtOnce) {
    settings.userDataFolder = (other.path() / "Netz" / "TPDaten").string() + S;
    writeFileAtomically(userFolder / kSettingsFileName, settingsFileBytes(settings));
    const ExternalFolderCheck check =
        checkExternalDataFolder(*disk, dataRoot, "Programm", settings);
    EXPECT_EQ(check.dataFolder, userFolder);
    EXPECT_EQ(check.missingFolderMessage, "Das externe Programmverzeichnis '" +
                                              (other.path() / "Netz").string() + S +
                                              "' wurde nicht gefunden!");
    EXPECT_EQ(settings.userDataFolder, folderPathText(dataRoot));
    // The session that finds the folder gone at the start saves the settings at once.
    // One sound marking, so that the start has nothing else to tell.
    writeFileAtomically(userFolder / "Schichtmarkierung.dat", std::string("\xA0\x41\0\0\1\1", 6));
    FixedClock clock{{2026, 3, 1, 12, 0, 0}};
    SystemFileSystem files;
    Session session{files, clock};
    EXPECT_EQ(session.start(start.path()).errors,
              std::vector<std::string>{check.missingFolderMessage});
    const ProgramSettings stored = settingsFromFileBytes(read(userFolder / kSettingsFileName), "");
    EXPECT_EQ(stored.userDataFolder, folderPathText(dataRoot));
}

TEST_F(DataFolderTest, MoveToANewFolderCopiesEverythingAndNamesTheNewDataRoot) {
    const DataFolderMove result = move(other.path() / "Daten");
    const fs::path target = other.path() / "Daten" / "TPDaten" / "Programm";
    ASSERT_TRUE(result.moved);
    EXPECT_EQ(result.dataFolder, target);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(recordSaves, 1);
    EXPECT_EQ(namesIn(target), namesIn(userFolder)); // the settings file came along
    EXPECT_EQ(read(target / "20261124.txt"), "note");
    EXPECT_EQ(settings.userDataFolder, folderPathText(other.path() / "Daten" / "TPDaten"));
    EXPECT_EQ(namesIn(other.path() / "Daten" / "TPDaten"), std::set<std::string>{"Programm"});
}

TEST_F(DataFolderTest, OverwritingReplacesNotesAndKeepsOtherFilesOfTheTarget) {
    const fs::path target = other.path() / "Daten" / "TPDaten" / "Programm";
    fs::create_directories(target);
    writeFileAtomically(target / "20250101.txt", "theirs");
    writeFileAtomically(target / "Urlaubstage.dat", "days");
    writeFileAtomically(target / "Schichtmarkierung.dat", "old marks");

    ASSERT_TRUE(move(other.path() / "Daten", true).moved);
    EXPECT_EQ(namesIn(target), (std::set<std::string>{"20261124.txt", "Einstellungen.dat",
                                                      "Schichtmarkierung.dat", "Urlaubstage.dat"}));
    EXPECT_EQ(read(target / "Schichtmarkierung.dat"), "marks");
    EXPECT_EQ(namesIn(target.parent_path()), std::set<std::string>{"Programm"});
}

TEST_F(DataFolderTest, MovingFromAnExternalFolderLeavesTheSettingsBehind) {
    const fs::path external = other.path() / "Alt" / "TPDaten" / "Programm";
    fs::create_directories(external);
    writeFileAtomically(external / "1.tnt", "p");
    writeFileAtomically(external / kSettingsFileName, "stray");
    const DataFolderMove result = moveDataFolder(system, {dataRoot, "Programm", external},
                                                 other.path() / "Daten", settings, {}, {});
    ASSERT_TRUE(result.moved);
    EXPECT_EQ(namesIn(result.dataFolder), std::set<std::string>{"1.tnt"});
}

TEST_F(DataFolderTest, TheFolderInUseOrOneInsideItIsRefusedUntouched) {
    const fs::path inside = userFolder / "Unter";
    fs::create_directories(inside);
    const auto before = namesIn(userFolder);
    for (const fs::path& chosen : {start.path(), inside, other.path() / "fehlt"}) {
        EXPECT_FALSE(move(chosen).moved) << chosen;
        EXPECT_EQ(namesIn(userFolder), before);
        EXPECT_EQ(read(userFolder / "20261124.txt"), "note");
    }
    EXPECT_FALSE(fs::exists(inside / "TPDaten"));
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(recordSaves, 0);
    EXPECT_EQ(settings.userDataFolder, folderPathText(dataRoot));
}

TEST_F(DataFolderTest, TheExternalFolderInUseIsRefusedToo) {
    ASSERT_TRUE(move(other.path() / "Daten").moved);
    const fs::path external = other.path() / "Daten" / "TPDaten" / "Programm";
    const std::string setting = settings.userDataFolder;
    EXPECT_FALSE(moveDataFolder(system, {dataRoot, "Programm", external},
                                other.path() / "Daten" / "", settings, [] { return true; }, {})
                     .moved);
    EXPECT_EQ(read(external / "20261124.txt"), "note");
    EXPECT_EQ(settings.userDataFolder, setting);
}

TEST_F(DataFolderTest, AFailedCopyLeavesTheTargetAsItWas) {
    const fs::path target = other.path() / "Daten" / "TPDaten" / "Programm";
    fs::create_directories(target);
    writeFileAtomically(target / "20250101.txt", "theirs");
    // The target's own files are copied aside, then the copy of the data in use fails.
    test::FaultyDisk failing({.operation = test::DiskOperation::CopyFolder, .nthCall = 2});
    disk = &failing;

    const std::string setting = settings.userDataFolder;
    EXPECT_FALSE(move(other.path() / "Daten", true).moved);
    EXPECT_EQ(namesIn(target), std::set<std::string>{"20250101.txt"});
    EXPECT_EQ(read(target / "20250101.txt"), "theirs");
    EXPECT_EQ(namesIn(target.parent_path()), std::set<std::string>{"Programm"});
    EXPECT_EQ(settings.userDataFolder, setting);
}

} // namespace
} // namespace tp
