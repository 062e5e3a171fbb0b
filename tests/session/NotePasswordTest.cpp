// The note password at a login: known to fit the notes or not, and what may then be written.
#include "session/Session.h"

#include "TemporaryFolder.h"
#include "notes/NoteCipher.h"
#include "notes/NoteNames.h"
#include "notes/NotePasswordCheck.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tp;

namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Anna logs in twice. Her day note is enciphered with "geheim" before, or written by her after
// her first login.
struct LoginCase {
    const char* name;
    bool noteBeforeFirstLogin;
    const char* firstPassword;
    bool toldAtFirst;
    const char* secondPassword;
    bool toldAtSecond; // and nothing written after it
};

class NotePasswordAtLogin : public testing::TestWithParam<LoginCase> {};

TEST_P(NotePasswordAtLogin, IsKnownToFitOrTold) {
    if (!notePasswordChecksAvailable())
        GTEST_SKIP() << "built without libsodium";
    const LoginCase& c = GetParam();
    const std::string note = "Zahnarzt am 3. um 10 Uhr, Tel. 0815 4711";
    const std::string day = dayNoteFileName(20161124), otherDay = dayNoteFileName(20161125);
    test::TemporaryFolder start;
    const FixedClock clock{{2016, 12, 24, 9, 30, 0}};
    SystemFileSystem files;
    Session session(files, clock);
    session.start(start.path());
    const fs::path anna = session.state().dataRoot / "Anna";
    fs::create_directories(anna);
    if (c.noteBeforeFirstLogin)
        std::ofstream(anna / day, std::ios::binary) << NoteCipher("geheim").encipherNote(note);
    const auto told = [](bool wanted) {
        return wanted ? std::vector<std::string>{kNotePasswordMismatchMessage}
                      : std::vector<std::string>{};
    };

    SessionReport report;
    ASSERT_TRUE(session.logIn("Anna", c.firstPassword, report));
    EXPECT_EQ(report.errors, told(c.toldAtFirst));
    if (!c.noteBeforeFirstLogin) {
        ASSERT_TRUE(session.saveNote(NoteKind::Day, day, note, "").ok());
    }
    report = {};
    ASSERT_TRUE(session.logIn("Anna", c.secondPassword, report));
    EXPECT_EQ(report.errors, told(c.toldAtSecond));
    const std::string stored = contentOf(anna / day);
    for (const std::string& fileName : {day, otherDay}) {
        EXPECT_EQ(session.whyNoteIsReadOnly(fileName).has_value(), c.toldAtSecond);
        EXPECT_EQ(session.saveNote(NoteKind::Day, fileName, "neu", std::nullopt).report.errors,
                  told(c.toldAtSecond));
    }
    EXPECT_EQ(contentOf(anna / day) == stored, c.toldAtSecond);
    // The check value is kept in her settings; the password is not.
    const std::string settings = contentOf(anna / kSettingsFileName);
    EXPECT_NE(settings.find("NotizPr\xFC"
                            "fwert = $argon2id$"),
              std::string::npos);
    EXPECT_EQ(settings.find("geheim"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Logins, NotePasswordAtLogin,
    testing::Values(LoginCase{"Right", true, "geheim", false, "geheim", false},
                    LoginCase{"CapsLock", true, "geheim", false, "Geheim", true},
                    LoginCase{"NoPassword", true, "geheim", false, "", true},
                    LoginCase{"WrongFirst", true, "Geheim", true, "geheim", false},
                    LoginCase{"FirstNoteWritten", false, "geheim", false, "Geheim", true}),
    [](const testing::TestParamInfo<LoginCase>& info) { return info.param.name; });

} // namespace
