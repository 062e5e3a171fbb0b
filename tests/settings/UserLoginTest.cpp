#include "settings/UserLogin.h"

#include "TemporaryFolder.h"
#include "platform/AtomicFile.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

namespace fs = std::filesystem;

TEST(UserNameTest, AcceptsOnlyNamesThatMakeOneFolderOfTheirOwn) {
    const struct {
        const char* name;
        bool allowed;
    } cases[] = {
        {"Programm", true},
        {"Anna Maier", true},
        {"Jürgen", true},
        {".hidden", true},
        {"a.b", true},
        {"", false},
        {".", false},
        {"..", false},
        {"a.", false},
        {"a ", false},
        {"a:b", false},
        {"a/b", false},
        {"a\\b", false},
        {"a|b", false},
        {"a\tb", false},
        {"12345678901234567890123456789012", true},
        {"123456789012345678901234567890123", false},
        {"ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜä", true}, // 32 characters, more bytes
    };
    for (const auto& c : cases)
        EXPECT_EQ(isAllowedUserName(c.name), c.allowed) << '"' << c.name << '"';
}

TEST(UserNameTest, TitleHasTwoBlanksBeforeTheDashAfterALogin) {
    EXPECT_EQ(mainWindowTitle("Programm", false), "Valdor Turnoplaner - Benutzername: Programm");
    EXPECT_EQ(mainWindowTitle("Anna", true), "Valdor Turnoplaner  - Benutzername: Anna");
}

class SwitchUserTest : public ::testing::Test {
  protected:
    SwitchUserTest() {
        dataRoot = start.path() / "TPDaten";
        fs::create_directories(dataRoot / "Programm");
        settings.dataRootPath = folderPathText(dataRoot);
        settings.userDataFolder = settings.dataRootPath;
    }

    UserSwitch switchTo(const std::string& name) {
        return switchUser(dataRoot, name, settings, system, 2026, [this] {
            ++oldUserSaves;
            saveSettings(dataRoot / "Programm", settings);
        });
    }

    test::TemporaryFolder start;
    fs::path dataRoot;
    ProgramSettings settings;
    ShiftSystem system;
    int oldUserSaves = 0;
};

TEST_F(SwitchUserTest, NewUserGetsAFolderWithACompleteSettingsFileOfTheCurrentValues) {
    settings.placeName = "Halmstett";
    settings.vacationCycle = 3;
    const UserSwitch result = switchTo("Anna");

    ASSERT_EQ(result.outcome, UserSwitchOutcome::Switched);
    EXPECT_TRUE(result.newUser);
    EXPECT_EQ(oldUserSaves, 1);
    EXPECT_EQ(result.place.dataFolder, dataRoot / "Anna");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(dataRoot / "Anna" / kSettingsFileName, bytes));
    const ProgramSettings stored = settingsFromFileBytes(bytes, settings.dataRootPath);
    EXPECT_EQ(stored.userName, "Anna");
    EXPECT_EQ(stored.placeName, "Halmstett");
    EXPECT_EQ(stored.vacationCycle, 3);
    EXPECT_EQ(stored.userDataFolder, settings.dataRootPath);
    EXPECT_EQ(settings.userName, "Anna");
    EXPECT_EQ(settings.placeName, "Halmstett");
}

TEST_F(SwitchUserTest, ExistingUserIsEnteredWithHisOwnSettings) {
    fs::create_directories(dataRoot / "Bert");
    ProgramSettings berts;
    berts.placeName = "Brelling";
    berts.userName = "Bert";
    berts.dataRootPath = settings.dataRootPath;
    berts.userDataFolder = settings.dataRootPath;
    ASSERT_TRUE(saveSettings(dataRoot / "Bert", berts));

    const UserSwitch result = switchTo("Bert");
    ASSERT_EQ(result.outcome, UserSwitchOutcome::Switched);
    EXPECT_FALSE(result.newUser);
    EXPECT_EQ(settings.placeName, "Brelling");
}

TEST_F(SwitchUserTest, NamesOfOtherFoldersAreRefusedBeforeAnythingHappens) {
    for (const char* name : {"..", ".", "a."}) {
        const auto before =
            std::distance(fs::directory_iterator(dataRoot), fs::directory_iterator());
        EXPECT_EQ(switchTo(name).outcome, UserSwitchOutcome::NameNotAllowed) << name;
        EXPECT_EQ(std::distance(fs::directory_iterator(dataRoot), fs::directory_iterator()),
                  before);
        EXPECT_FALSE(fs::exists(dataRoot / "Einstellungen.dat"));
        EXPECT_FALSE(fs::exists(start.path() / "Einstellungen.dat"));
    }
    EXPECT_EQ(oldUserSaves, 0);
    EXPECT_EQ(settings.userName, "Programm");
}

TEST_F(SwitchUserTest, AFileInThePlaceOfTheFolderKeepsTheOldUser) {
    ASSERT_TRUE(writeFileAtomically(dataRoot / "Carla", "x"));
    EXPECT_EQ(switchTo("Carla").outcome, UserSwitchOutcome::FolderNotCreated);
    EXPECT_EQ(oldUserSaves, 1);
    EXPECT_EQ(settings.userName, "Programm");
}

TEST_F(SwitchUserTest, AMissingExternalFolderFallsBackToTheDataRoot) {
    fs::create_directories(dataRoot / "Dora");
    ProgramSettings doras;
    doras.userName = "Dora";
    doras.userDataFolder = (start.path() / "weg" / "TPDaten").string() + "/";
    ASSERT_TRUE(saveSettings(dataRoot / "Dora", doras));

    const UserSwitch result = switchTo("Dora");
    ASSERT_EQ(result.outcome, UserSwitchOutcome::Switched);
    EXPECT_EQ(result.place.dataFolder, dataRoot / "Dora");
    EXPECT_NE(result.missingFolderMessage.find((start.path() / "weg").string()), std::string::npos);
}

TEST_F(SwitchUserTest, SaveAllUserDataWritesRecordsThenSettings) {
    bool recordsSaved = false;
    settings.placeName = "Wendring Ost";
    saveAllUserData({dataRoot, "Programm", dataRoot / "Programm"}, settings,
                    [&] { recordsSaved = true; });
    EXPECT_TRUE(recordsSaved);
    std::string bytes;
    ASSERT_TRUE(readWholeFile(dataRoot / "Programm" / kSettingsFileName, bytes));
    EXPECT_EQ(settingsFromFileBytes(bytes, "").placeName, "Wendring Ost");
}

} // namespace
} // namespace tp
