#include "platform/FileLock.h"
#include "platform/AtomicFile.h"
#include "platform/UserFileStore.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tp {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::optional<FileLock> take(const fs::path& lockFile, std::chrono::milliseconds patience) {
    int errorNumber = -1;
    std::optional<FileLock> lock = FileLock::acquire(lockFile, patience, errorNumber);
    EXPECT_EQ(errorNumber, 0) << "the lock file could not be opened or locked";
    return lock;
}

TEST(FileLock, SecondLockWaitsForTheFirst) {
    test::TemporaryFolder folder;
    const fs::path lockFile = folder.path() / "Sperre.lck";
    std::optional<FileLock> first = take(lockFile, 0ms);
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(fs::exists(lockFile));

    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(take(lockFile, 100ms).has_value());
    EXPECT_GE(std::chrono::steady_clock::now() - start, 100ms);

    // Moved, the lock is still held; released by the last owner, it can be taken again.
    FileLock moved = std::move(*first);
    first.reset();
    EXPECT_FALSE(take(lockFile, 0ms).has_value());
    { [[maybe_unused]] FileLock gone = std::move(moved); }
    EXPECT_TRUE(take(lockFile, 0ms).has_value());

    // Released while somebody waits: the waiter gets it.
    std::optional<FileLock> held = take(lockFile, 0ms);
    ASSERT_TRUE(held.has_value());
    std::thread releaser([&held] {
        std::this_thread::sleep_for(50ms);
        held.reset();
    });
    EXPECT_TRUE(take(lockFile, 5s).has_value());
    releaser.join();
}

TEST(FileLock, AFolderThatCannotHoldTheFileIsAnError) {
    test::TemporaryFolder folder;
    int errorNumber = 0;
    EXPECT_FALSE(FileLock::acquire(folder.path() / "fehlt" / "Sperre.lck", 1s, errorNumber));
    EXPECT_NE(errorNumber, 0);
}

// What lies under the lock file's name is told, not the error number the system gives.
TEST(FileLock, ALockFileThatIsNoPlainFileIsNamed) {
#ifdef _WIN32
    GTEST_SKIP() << "pipes and links in folders are POSIX";
#else
    const struct {
        const char* kind;
        const char* problem;
    } planted[] = {{"pipe", "ist keine gewöhnliche Datei."},
                   {"folder", "ist keine gewöhnliche Datei."},
                   {"link", "ist eine Verknüpfung."}};
    for (const auto& lockFile : planted) {
        SCOPED_TRACE(lockFile.kind);
        test::TemporaryFolder folder;
        const fs::path file = folder.path() / kFolderLockFileName;
        if (std::string_view(lockFile.kind) == "pipe")
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        else if (std::string_view(lockFile.kind) == "folder")
            fs::create_directory(file);
        else
            fs::create_symlink(folder.path() / "elsewhere.lck", file);
        SystemFileSystem files;
        UserFileStore store(files);
        EXPECT_EQ(store.lockFolder(folder.path()).reason,
                  "Der Datenordner kann nicht gesperrt werden: Die Sperrdatei \"" + file.string() +
                      "\" " + lockFile.problem);
    }
#endif
}

// Another process holds the lock until told to let go: in the child of a fork, or on Windows
// in a second run of this program that runs only the test below.
#ifdef _WIN32

constexpr const wchar_t* kHolderVariable = L"TURNOPLANER_TEST_LOCK_HOLDER";

TEST(FileLock, HolderForAnotherProcess) {
    const wchar_t* variable = _wgetenv(kHolderVariable);
    if (variable == nullptr)
        GTEST_SKIP() << "started only by OtherProcessHoldingItBlocksThisOne";
    const fs::path folder = variable;
    int errorNumber = 0;
    const auto lock = FileLock::acquire(folder / "Sperre.lck", 5s, errorNumber);
    ASSERT_TRUE(lock.has_value());
    writeFileAtomically(folder / "gesperrt", "x");
    for (int waited = 0; waited < 1000 && !fs::exists(folder / "frei"); ++waited)
        std::this_thread::sleep_for(10ms);
}

struct OtherProcess {
    explicit OtherProcess(const fs::path& folder) : folder_(folder) {
        wchar_t program[MAX_PATH];
        GetModuleFileNameW(nullptr, program, MAX_PATH);
        std::wstring commandLine =
            L"\"" + std::wstring(program) + L"\" --gtest_filter=FileLock.HolderForAnotherProcess";
        SetEnvironmentVariableW(kHolderVariable, folder.c_str());
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                                  CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process_);
        SetEnvironmentVariableW(kHolderVariable, nullptr);
    }
    bool holdsTheLock() const {
        for (int waited = 0; started_ && waited < 1000; ++waited) {
            if (fs::exists(folder_ / "gesperrt"))
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }
    bool letGo() {
        writeFileAtomically(folder_ / "frei", "x");
        DWORD status = 1;
        const bool ended = WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0 &&
                           GetExitCodeProcess(process_.hProcess, &status);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        return ended && status == 0;
    }

    fs::path folder_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

#else

struct OtherProcess {
    explicit OtherProcess(const fs::path& folder) {
        int toChild[2], toParent[2];
        if (::pipe(toChild) != 0 || ::pipe(toParent) != 0)
            return;
        child_ = ::fork();
        if (child_ == 0) {
            int errorNumber = 0;
            const auto lock = FileLock::acquire(folder / "Sperre.lck", 5s, errorNumber);
            const char held = lock ? 'x' : '-';
            char release = 0;
            const bool told =
                ::write(toParent[1], &held, 1) == 1 && ::read(toChild[0], &release, 1) == 1;
            ::_exit(lock && told ? 0 : 1);
        }
        ::close(toChild[0]);
        ::close(toParent[1]);
        toChild_ = toChild[1];
        fromChild_ = toParent[0];
    }
    bool holdsTheLock() const {
        char held = 0;
        return child_ > 0 && ::read(fromChild_, &held, 1) == 1 && held == 'x';
    }
    bool letGo() {
        const bool told = ::write(toChild_, "x", 1) == 1;
        ::close(toChild_);
        ::close(fromChild_);
        int status = 1;
        return told && ::waitpid(child_, &status, 0) == child_ && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0;
    }

    pid_t child_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
};

#endif

TEST(FileLock, OtherProcessHoldingItBlocksThisOne) {
    test::TemporaryFolder folder;
    OtherProcess other(folder.path());
    ASSERT_TRUE(other.holdsTheLock());
    EXPECT_FALSE(take(folder.path() / "Sperre.lck", 100ms).has_value());
    ASSERT_TRUE(other.letGo());
    EXPECT_TRUE(take(folder.path() / "Sperre.lck", 1s).has_value());
}

} // namespace
} // namespace tp
