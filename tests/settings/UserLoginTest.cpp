#include "settings/UserLogin.h"
#include "support/TestStore.h"

#include "TemporaryFolder.h"
#include "platform/AtomicFile.h"
#include "session/Session.h"
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

// Names are judged by their characters, never by bytes a broken sequence would hide, and a
// refused name says why.
TEST(UserNameTest, RefusedNamesSayWhy) {
    const std::string dots = "Der Benutzername darf nicht nur aus Punkten bestehen.";
    const std::string ending =
        "Der Benutzername darf nicht mit einem Leerzeichen oder Punkt enden.";
    const std::string invalid = "Der Benutzername enthält ungültige Zeichen.";
    const std::string forbidden = "Der Benutzername darf keines der Zeichen \\ / : * ? \" < > | "
                                  "und keine Steuerzeichen enthalten.";
    const std::pair<std::string, std::string> cases[] = {
        {"...", dots},
        {".", dots},
        {"Anna.", ending},
        {"Anna ", ending},
        {"", "Der Benutzername fehlt."},
        {std::string(33, 'a'), "Der Benutzername darf höchstens 32 Zeichen lang sein."},
        {"p\xF1/..", invalid},                     // a lead byte must not swallow the '/'
        {"p\xC3\\", invalid},                      // nor a '\\'
        {std::string("p\xE2\x82\0x", 5), invalid}, // nor a NUL
        {"p\xC0\xAF", invalid},                    // an overlong '/'
        {"p\xED\xA0\x80", invalid},                // a surrogate
        {"p\xF4\x90\x80\x80", invalid},            // beyond U+10FFFF
        {"p\xE2\x82", invalid},                    // cut short at the end
        {"\x80", invalid},
        {std::string("a\0b", 3), forbidden},
        {"a/b", forbidden},
    };
    for (const auto& [name, reason] : cases) {
        EXPECT_EQ(userNameRefusal(name).value_or("(erlaubt)"), reason) << name;
        EXPECT_FALSE(isAllowedUserName(name)) << name;
    }
    EXPECT_EQ(userNameRefusal("\xF0\x9F\x98\x80 Jürgen"), std::nullopt); // four-byte emoji
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
    }

    UserSwitch switchTo(const std::string& name) {
        return switchUser(disk, dataRoot, name, [this] { ++oldUserSaves; });
    }

    SystemFileSystem disk;
    test::TemporaryFolder start;
    fs::path dataRoot;
    int oldUserSaves = 0;
};

// A user folder or a data root that is a symbolic link is refused before anything is saved.
TEST_F(SwitchUserTest, LinkedFoldersAreRefused) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need extra rights on Windows";
#endif
    const fs::path elsewhere = start.path() / "woanders";
    fs::create_directories(elsewhere / "Anna");
    fs::create_directory_symlink(elsewhere / "Anna", dataRoot / "Anna");
    const fs::path linkedRoot = start.path() / "TPDatenLink";
    fs::create_directory_symlink(dataRoot, linkedRoot);
    const std::pair<fs::path, fs::path> cases[] = {
        {dataRoot, dataRoot / "Anna"},
        {linkedRoot, linkedRoot},
    };
    for (const auto& [root, refused] : cases) {
        const UserSwitch result = switchUser(disk, root, "Anna", [this] { ++oldUserSaves; });
        EXPECT_EQ(result.outcome, UserSwitchOutcome::FolderIsLink) << root;
        const std::u8string shown = refused.u8string();
        EXPECT_EQ(result.refusalMessage, "Der Ordner \"" + std::string(shown.begin(), shown.end()) +
                                             "\" ist eine symbolische Verknüpfung und wird "
                                             "nicht benutzt.");
    }
    EXPECT_EQ(oldUserSaves, 0);
    EXPECT_TRUE(fs::is_empty(elsewhere / "Anna"));
}

TEST_F(SwitchUserTest, ExistingUserIsEnteredWithHisOwnSettings) {
    fs::create_directories(dataRoot / "Bert");
    ProgramSettings berts;
    berts.placeName = "Brelling";
    berts.userName = "Bert";
    berts.userDataFolder = folderPathText(dataRoot);
    ASSERT_TRUE(saveSettings(test::TestStore{}, dataRoot / "Bert", berts).ok);

    const UserSwitch result = switchTo("Bert");
    ASSERT_EQ(result.outcome, UserSwitchOutcome::Switched);
    EXPECT_FALSE(result.newUser);
    // His settings are read by the session that logs him in.
    FixedClock clock{{2026, 3, 1, 12, 0, 0}};
    SystemFileSystem files;
    Session session{files, clock};
    session.start(start.path());
    SessionReport report;
    ASSERT_TRUE(session.logIn("Bert", "", report));
    const ProgramSettings& settings = session.settings();
    EXPECT_EQ(settings.placeName, "Brelling");
}

} // namespace
} // namespace tp
