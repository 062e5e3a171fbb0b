#include "platform/AtomicFile.h"
#include "settings/DataFolders.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tp {
namespace {

TEST(AtomicFile, WritesAndReplaces) {
    test::TemporaryFolder folder;
    const auto path = folder.path() / "Einstellungen.dat";
    ASSERT_TRUE(writeFileAtomically(path, std::string("first\r\n\0x", 9)));
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes, std::string("first\r\n\0x", 9));
    ASSERT_TRUE(writeFileAtomically(path, "second"));
    ASSERT_TRUE(readWholeFile(path, bytes));
    EXPECT_EQ(bytes, "second");
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(AtomicFile, FailureSaysWhyAndLeavesTheOldFile) {
    test::TemporaryFolder folder;
    const WriteResult missingFolder = writeFileAtomically(folder.path() / "missing" / "x.dat", "d");
    EXPECT_FALSE(missingFolder);
    EXPECT_EQ(missingFolder.reason, "Der Ordner existiert nicht");

    // The data root is a file: nothing can be written below it.
    ASSERT_TRUE(writeFileAtomically(folder.path() / "TPDaten", "keep"));
    const WriteResult belowFile = writeFileAtomically(folder.path() / "TPDaten" / "x.dat", "d");
    EXPECT_EQ(belowFile.reason, "Ein Teil des Pfades ist kein Ordner");

    // A folder under the data file's name is not replaced.
    fs::create_directory(folder.path() / "Einstellungen.dat");
    EXPECT_FALSE(writeFileAtomically(folder.path() / "Einstellungen.dat", "d"));
    EXPECT_TRUE(fs::is_directory(folder.path() / "Einstellungen.dat"));
    EXPECT_EQ(contentOf(folder.path() / "TPDaten"), "keep");
    EXPECT_EQ(entriesIn(folder.path()), 2u); // no temporary file left behind
}

// Links planted where a temporary file might be made are never written through.
TEST(SystemErrorText, GermanForEveryErrorNumber) {
#ifdef _WIN32
    GTEST_SKIP() << "on Windows the numbers are the system's own error codes";
#endif
    const std::pair<int, std::string> cases[] = {
        {ENOSPC, "Kein Speicherplatz mehr auf dem Datenträger"},
        {EROFS, "Der Datenträger ist schreibgeschützt"},
        {EACCES, "Keine Berechtigung"},
        {EPERM, "Keine Berechtigung"},
        {EIO, "Ein- oder Ausgabefehler"},
        {ENOENT, "Der Ordner existiert nicht"},
        {EISDIR, "Unter dem Namen liegt ein Ordner"},
        {ENOTDIR, "Ein Teil des Pfades ist kein Ordner"},
        {ELOOP, "Zu viele symbolische Verknüpfungen"},
        {ENAMETOOLONG, "Der Dateiname ist zu lang"},
        {EBUSY, "Systemfehler " + std::to_string(EBUSY)},
        {0, "Systemfehler 0"},
        {99999, "Systemfehler 99999"},
    };
    for (const auto& [errorNumber, text] : cases)
        EXPECT_EQ(systemErrorText(errorNumber), text) << errorNumber;
}

TEST(AtomicFile, PlantedLinksAreNotFollowed) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need extra rights on Windows";
#else
    test::TemporaryFolder folder;
    const fs::path victim = folder.path() / "victim";
    std::ofstream(victim) << "untouched";
    const fs::path data = folder.path() / "Einstellungen.dat";
    fs::create_symlink(victim, folder.path() / "Einstellungen.dat.neu");
    for (int i = 0; i < 8; ++i)
        fs::create_symlink(victim, folder.path() / ("Einstellungen.dat." + std::to_string(i)));

    ASSERT_TRUE(writeFileAtomically(data, "new"));
    EXPECT_EQ(contentOf(victim), "untouched");
    EXPECT_EQ(contentOf(data), "new");
    EXPECT_FALSE(fs::is_symlink(data));
    EXPECT_EQ(entriesIn(folder.path()), 11u);

    // A link under the data file's own name is replaced by the file, its target kept.
    fs::remove(data);
    fs::create_symlink(victim, data);
    ASSERT_TRUE(writeFileAtomically(data, "newer"));
    EXPECT_FALSE(fs::is_symlink(data));
    EXPECT_EQ(contentOf(data), "newer");
    EXPECT_EQ(contentOf(victim), "untouched");
#endif
}

TEST(AtomicFile, KeepsThePermissionsOfTheOldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no POSIX permissions";
#else
    test::TemporaryFolder folder;
    const fs::path data = folder.path() / "Schichtmarkierung.dat";
    ASSERT_TRUE(writeFileAtomically(data, "old"));
    fs::permissions(data, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileAtomically(data, "new"));
    EXPECT_EQ(fs::status(data).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif
}

TEST(AtomicFile, ReadOnlyFolderIsReported) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows folders have no POSIX permissions";
#else
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    test::TemporaryFolder folder;
    const fs::path data = folder.path() / "Einstellungen.dat";
    ASSERT_TRUE(writeFileAtomically(data, "old"));
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const WriteResult result = writeFileAtomically(data, "new");
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, "Keine Berechtigung");
    EXPECT_EQ(contentOf(data), "old");
#endif
}

#ifdef _WIN32

TEST(AtomicFile, HiddenStaysHiddenAndReadOnlyIsNotReplaced) {
    test::TemporaryFolder folder;
    const fs::path data = folder.path() / "Einstellungen.dat";
    ASSERT_TRUE(writeFileAtomically(data, "old"));
    SystemFileSystem{}.hide(data);
    ASSERT_TRUE(writeFileAtomically(data, "new"));
    EXPECT_EQ(contentOf(data), "new");
    EXPECT_NE(GetFileAttributesW(data.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);

    ASSERT_TRUE(SetFileAttributesW(data.c_str(), FILE_ATTRIBUTE_READONLY));
    const WriteResult result = writeFileAtomically(data, "newer");
    SetFileAttributesW(data.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, "Keine Berechtigung");
    EXPECT_EQ(contentOf(data), "new");
    EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// Another program that has the old file open for a moment only delays the save.
TEST(AtomicFile, AFileOpenElsewhereIsReplacedWhenClosed) {
    test::TemporaryFolder folder;
    const fs::path data = folder.path() / "Einstellungen.dat";
    ASSERT_TRUE(writeFileAtomically(data, "old"));
    const HANDLE reader = CreateFileW(data.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    std::thread closer([reader] {
        Sleep(200);
        CloseHandle(reader);
    });
    const WriteResult result = writeFileAtomically(data, "new");
    closer.join();
    EXPECT_TRUE(result) << result.reason;
    EXPECT_EQ(contentOf(data), "new");
}

TEST(AtomicFile, WindowsErrorsAreToldInGerman) {
    EXPECT_EQ(systemErrorText(ERROR_DISK_FULL), "Kein Speicherplatz mehr auf dem Datenträger");
    EXPECT_EQ(systemErrorText(ERROR_WRITE_PROTECT), "Der Datenträger ist schreibgeschützt");
    EXPECT_EQ(systemErrorText(ERROR_NOT_SAME_DEVICE), "Systemfehler 17");
}

#endif

TEST(ReadFile, TellsMissingFromUnreadable) {
    test::TemporaryFolder folder;
    std::string bytes = "stale";
    EXPECT_EQ(readFile(folder.path() / "missing.dat", bytes, 100), ReadResult::Missing);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(readFile(folder.path() / "no" / "such.dat", bytes, 100), ReadResult::Missing);

    ASSERT_TRUE(writeFileAtomically(folder.path() / "five.dat", "12345"));
    EXPECT_EQ(readFile(folder.path() / "five.dat", bytes, 5), ReadResult::Read);
    EXPECT_EQ(bytes, "12345");
    EXPECT_EQ(readFile(folder.path() / "five.dat", bytes, 4), ReadResult::Unreadable);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(readFile(folder.path(), bytes, 100), ReadResult::Unreadable);
#ifdef _WIN32
    // Neither does a pipe; it waits for a client that never reads.
    const wchar_t* pipeName = L"\\\\.\\pipe\\turnoplaner-test-pipe";
    const HANDLE pipe =
        CreateNamedPipeW(pipeName, PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    EXPECT_EQ(readFile(pipeName, bytes, 100), ReadResult::Unreadable);
    CloseHandle(pipe);
#else
    // A pipe under the name neither hangs the reader nor counts as missing.
    ASSERT_EQ(mkfifo((folder.path() / "pipe.dat").c_str(), 0600), 0);
    EXPECT_EQ(readFile(folder.path() / "pipe.dat", bytes, 100), ReadResult::Unreadable);
    if (geteuid() != 0) {
        fs::permissions(folder.path() / "five.dat", fs::perms::none);
        EXPECT_EQ(readFile(folder.path() / "five.dat", bytes, 100), ReadResult::Unreadable);
    }
#endif
}

TEST(StoredPaths, BothSeparatorsAreAccepted) {
    EXPECT_EQ(pathFromStored("C:\\TPDaten\\Programm\\").generic_string(), "C:/TPDaten/Programm/");
    EXPECT_EQ(pathFromStored("/home/a/TPDaten").generic_string(), "/home/a/TPDaten");
}

TEST(DataFolders, CreatedOnFirstStartAndReusedAfterwards) {
    test::TemporaryFolder start;
    SystemFileSystem files;
    const auto folders = prepareDataFolders(files, start.path(), "Programm");
    ASSERT_TRUE(folders.has_value());
    EXPECT_TRUE(std::filesystem::is_directory(start.path() / "TPDaten" / "Programm"));
    ASSERT_TRUE(writeFileAtomically(folders->userFolder / "keep.dat", "data"));
    const auto again = prepareDataFolders(files, start.path(), "Programm");
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->userFolder, folders->userFolder);
    EXPECT_TRUE(std::filesystem::exists(again->userFolder / "keep.dat"));
}

TEST(DataFolders, AFileInTheWayIsReported) {
    test::TemporaryFolder start;
    SystemFileSystem files;
    ASSERT_TRUE(writeFileAtomically(start.path() / "TPDaten", "not a folder"));
    EXPECT_FALSE(prepareDataFolders(files, start.path(), "Programm").has_value());
}

} // namespace
} // namespace tp
