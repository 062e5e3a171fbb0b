// The built program ended by the desktop session (SIGTERM, SIGHUP) while a message box is
// open: it ends within five seconds, and what it could not save is kept for the next start and
// told on stderr.
#include "TemporaryFolder.h"
#include "session/UnsavedEntries.h"
#include "settings/DataFolders.h"
#include "settings/SettingsFile.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tp;
using namespace std::chrono_literals;

namespace {

namespace fs = std::filesystem;

struct Ending {
    bool exited = false; // on its own, with an exit status
    int status = -1;
    std::chrono::milliseconds took{};
    std::string err;
};

// Whether `process` handles `signalNumber` itself already.
bool handles(pid_t process, int signalNumber) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("SigCgt:"))
            return (std::stoull(line.substr(7), nullptr, 16) >> (signalNumber - 1)) & 1;
    return false;
}

// Starts the program in `startFolder` with `home` as the user's home, waits until it shows
// the box of its start, lets `meanwhile` act, and sends `signalNumber`.
Ending startAndEnd(const fs::path& startFolder, const fs::path& home, int signalNumber,
                   const std::function<void()>& meanwhile) {
    int err[2];
    if (::pipe(err) != 0)
        return {};
    const pid_t program = ::fork();
    if (program == 0) {
        ::dup2(err[1], STDERR_FILENO);
        ::close(err[0]);
        ::close(err[1]);
        if (::chdir(startFolder.c_str()) != 0)
            ::_exit(126);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("HOME", home.c_str(), 1);
        ::unsetenv("XDG_STATE_HOME");
        ::execl(TURNOPLANER_PROGRAM, "turnoplaner", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(err[1]);
    Ending ending;
    for (int wait = 0; wait < 1000 && !handles(program, signalNumber); ++wait)
        std::this_thread::sleep_for(10ms);
    std::this_thread::sleep_for(1s); // the window and the box of the start come up
    meanwhile();
    ::kill(program, signalNumber);
    const auto sent = std::chrono::steady_clock::now();
    int status = 0;
    while (::waitpid(program, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - sent > 20s) {
            ::kill(program, SIGKILL);
            ::waitpid(program, &status, 0);
            break;
        }
        std::this_thread::sleep_for(10ms);
    }
    ending.took = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - sent);
    ending.exited = WIFEXITED(status);
    ending.status = WEXITSTATUS(status);
    char bytes[4096];
    for (ssize_t count; (count = ::read(err[0], bytes, sizeof bytes)) > 0;)
        ending.err.append(bytes, static_cast<std::size_t>(count));
    ::close(err[0]);
    return ending;
}

} // namespace

// The start finds a markings file it cannot read and says so in a box; the page is too wide
// for the screen, so the column count changed. The end comes while the box is open: once with
// a settings file that turned into a folder (the save fails), once without.
TEST(ProgramEnd, SessionEndWithABoxOpenEndsAndKeepsWhatFailed) {
    for (const bool saveFails : {true, false}) {
        test::TemporaryFolder start, home;
        const fs::path userFolder = start.path() / kDataRootName / kDefaultUserName;
        fs::create_directories(userFolder / kShiftMarkingFileName);
        ProgramSettings wide;
        wide.lastColumnIndex = 23;
        ASSERT_TRUE(saveSettings(test::TestStore{}, userFolder, wide).ok);

        const Ending ending =
            startAndEnd(start.path(), home.path(), saveFails ? SIGTERM : SIGHUP, [&] {
                if (saveFails) {
                    fs::remove(userFolder / kSettingsFileName);
                    fs::create_directory(userFolder / kSettingsFileName);
                }
            });
        EXPECT_TRUE(ending.exited) << ending.err;
        EXPECT_LT(ending.took, 5s);
        const fs::path keptFolder = home.path() / ".local" / "state" / "turnoplaner";
        SystemFileSystem files;
        const std::vector<fs::path> kept = keptEntriesFiles(files, keptFolder);
        const std::string line = "Turnoplaner: Beim Beenden konnte nicht alles gespeichert werden";
        if (saveFails) {
            EXPECT_NE(ending.status, 0);
            EXPECT_NE(ending.err.find(line), std::string::npos) << ending.err;
            ASSERT_EQ(kept.size(), 1u);
            std::ostringstream whole;
            whole << std::ifstream(kept[0], std::ios::binary).rdbuf();
            const auto entries = unsavedEntriesFromFileBytes(whole.str());
            ASSERT_TRUE(entries);
            EXPECT_EQ(takeOverQuestion(*entries), "Beim letzten Ende konnten die Einstellungen "
                                                  "nicht gespeichert werden. Jetzt übernehmen?");
        } else {
            EXPECT_EQ(ending.status, 0);
            EXPECT_EQ(ending.err.find(line), std::string::npos) << ending.err;
            EXPECT_TRUE(kept.empty());
            EXPECT_EQ(loadSettings(test::TestStore{}, userFolder, {}).settings.lastColumnIndex, 5);
        }
    }
}
