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
    EXPECT_EQ(mainWindowTitle("Programm", false, CalendarType::WendringPm1),
              "Valdor Turnoplaner - Benutzername: Programm - Kalender: Wendring PM 1");
    EXPECT_EQ(mainWindowTitle("Anna", true, CalendarType::BrellingKarton),
              "Valdor Turnoplaner  - Benutzername: Anna - Kalender: Brelling Karton");
}

class SwitchUserTest : public ::testing::Test {
  protected:
    SwitchUserTest() {
        dataRoot = start.path() / "TPDaten";
        fs::create_directories(dataRoot / "Programm");
        settings.userDataFolder = folderPathText(dataRoot);
    }

    UserSwitch switchTo(const std::string& name) {
        return switchUser(dataRoot, name, settings, [this] {
            ++oldUserSaves;
            saveSettings(dataRoot / "Programm", settings);
        });
    }

    test::TemporaryFolder start;
    fs::path dataRoot;
    ProgramSettings settings;
    int oldUserSaves = 0;
};

TEST_F(SwitchUserTest, ExistingUserIsEnteredWithHisOwnSettings) {
    fs::create_directories(dataRoot / "Bert");
    ProgramSettings berts;
    berts.placeName = "Brelling";
    berts.userName = "Bert";
    berts.userDataFolder = folderPathText(dataRoot);
    ASSERT_TRUE(saveSettings(dataRoot / "Bert", berts));

    const UserSwitch result = switchTo("Bert");
    ASSERT_EQ(result.outcome, UserSwitchOutcome::Switched);
    EXPECT_FALSE(result.newUser);
    EXPECT_EQ(settings.placeName, "Brelling");
}

} // namespace
} // namespace tp
