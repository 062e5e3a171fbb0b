// The disk that fails on purpose: the chosen call of each operation fails, the others reach
// the real file system.
#include "FaultyDisk.h"

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tp::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// One call of an operation on a folder holding the file "a.dat" and the folders "von" and
// "nach"; whether it did its work.
struct OperationCase {
    DiskOperation operation;
    bool (*succeeds)(FileSystem& disk, const fs::path& folder);
};

const OperationCase kCases[] = {
    {DiskOperation::Read,
     [](FileSystem& disk, const fs::path& folder) {
         return disk.read(folder / "a.dat", 100).status == DataFileStatus::Read;
     }},
    {DiskOperation::Replace,
     [](FileSystem& disk, const fs::path& folder) {
         return bool(disk.replace(folder / "a.dat", "a"));
     }},
    {DiskOperation::Remove,
     [](FileSystem& disk, const fs::path& folder) { return bool(disk.remove(folder / "b.dat")); }},
    {DiskOperation::List,
     [](FileSystem& disk, const fs::path& folder) { return disk.list(folder).has_value(); }},
    {DiskOperation::WriteBlocker,
     [](FileSystem& disk, const fs::path& folder) { return disk.writeBlocker(folder) == 0; }},
    {DiskOperation::TypeOf,
     [](FileSystem& disk, const fs::path& folder) {
         return disk.typeOf(folder / "a.dat", false) == EntryType::File;
     }},
    {DiskOperation::ModificationTime,
     [](FileSystem& disk, const fs::path& folder) {
         return disk.modificationTime(folder / "a.dat").has_value();
     }},
    {DiskOperation::FileSize,
     [](FileSystem& disk, const fs::path& folder) {
         return disk.fileSize(folder / "a.dat") == std::optional<std::uintmax_t>(1);
     }},
    {DiskOperation::MakeFolder,
     [](FileSystem& disk, const fs::path& folder) {
         fs::remove(folder / "neu");
         return disk.makeFolder(folder / "neu");
     }},
    {DiskOperation::CopyFolder,
     [](FileSystem& disk, const fs::path& folder) {
         return disk.copyFolder(folder / "von", folder / "nach", nullptr);
     }},
    {DiskOperation::Rename,
     [](FileSystem& disk, const fs::path& folder) {
         std::ofstream(folder / "c.dat") << "c";
         return disk.rename(folder / "c.dat", folder / "d.dat");
     }},
    {DiskOperation::RemoveFolder,
     [](FileSystem& disk, const fs::path& folder) {
         fs::create_directory(folder / "weg");
         return disk.removeFolder(folder / "weg") && !fs::exists(folder / "weg");
     }},
    {DiskOperation::Hide,
     [](FileSystem& disk, const fs::path& folder) { return disk.hide(folder / "a.dat"); }},
    {DiskOperation::Lock,
     [](FileSystem& disk, const fs::path& folder) {
         int errorNumber = 0;
         return disk.lock(folder / "x.lck", 0ms, errorNumber).has_value();
     }},
};

TEST(FaultyDisk, OnlyTheChosenCallsOfTheChosenOperationFail) {
    for (const OperationCase& operation : kCases) {
        for (const bool andLater : {false, true}) {
            TemporaryFolder folder;
            std::ofstream(folder.path() / "a.dat") << "a";
            fs::create_directory(folder.path() / "von");
            fs::create_directory(folder.path() / "nach");
            FaultyDisk disk({.operation = operation.operation, .nthCall = 2, .andLater = andLater});
            const auto name = testing::Message()
                              << "operation " << static_cast<int>(operation.operation)
                              << (andLater ? " and later" : "");
            EXPECT_TRUE(operation.succeeds(disk, folder.path())) << name;
            EXPECT_FALSE(operation.succeeds(disk, folder.path())) << name;
            EXPECT_EQ(operation.succeeds(disk, folder.path()), !andLater) << name;
            EXPECT_EQ(disk.calls(operation.operation), 3) << name;
        }
    }
}

TEST(FaultyDisk, AFailureTellsTheChosenError) {
    TemporaryFolder folder;
    FaultyDisk full({.operation = DiskOperation::Replace, .errorNumber = ENOSPC});
    const WriteResult written = full.replace(folder.path() / "a.dat", "a");
    EXPECT_EQ(written.errorNumber, ENOSPC);
    EXPECT_EQ(written.reason, systemErrorText(ENOSPC));
    EXPECT_FALSE(fs::exists(folder.path() / "a.dat"));

    FaultyDisk told({.operation = DiskOperation::Read, .reason = "Ein- oder Ausgabefehler"});
    EXPECT_EQ(told.read(folder.path() / "a.dat", 1).reason, "Ein- oder Ausgabefehler");

    FaultyDisk locked({.operation = DiskOperation::Lock, .errorNumber = EACCES});
    int errorNumber = 0;
    EXPECT_FALSE(locked.lock(folder.path() / "x.lck", 0ms, errorNumber));
    EXPECT_EQ(errorNumber, EACCES);
}

} // namespace
} // namespace tp::test
