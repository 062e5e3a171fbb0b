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

} // namespace
} // namespace tp
