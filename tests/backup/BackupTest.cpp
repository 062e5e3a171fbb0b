#include "backup/Backup.h"
#include "support/FaultyDisk.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include "BackupFolders.h"
#include "UserData.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

namespace fs = std::filesystem;

const BackupManifest kManifest{"Anna", "2024-03-01 12:00:00", "0.1"};
constexpr LocalDateTime kNow{2024, 3, 2, 8, 30, 0};

class BackupTest : public ::testing::Test {
  protected:
    void SetUp() override { test::fillUserData(anna); }

    BackupPlace placeOf(const fs::path& folder, const std::string& user = "Anna") const {
        return {folder, folder, user};
    }
    // The data files of `folder`, without the lock and the foreign files.
    static std::map<std::string, std::string> dataOf(const fs::path& folder) {
        auto contents = test::folderContents(folder);
        std::erase_if(contents,
                      [](const auto& file) { return test::isForeignTestFile(file.first); });
        return contents;
    }
    BackupWritten backUp(const fs::path& folder, const fs::path& archive) {
        return writeBackup(store, placeOf(folder), archive, kManifest);
    }
    RestoreDone restore(const fs::path& archive, const fs::path& folder, UserFileStore& into) {
        return restoreBackup(into, archive, placeOf(folder), archive.parent_path(), kManifest, kNow,
                             false);
    }

    test::TemporaryFolder place;
    const fs::path anna = place.path() / "Anna";
    const fs::path archives = place.path() / "Sicherungen";
    test::TestStore store;
};

TEST_F(BackupTest, HoldsTheDataFilesAndNothingElse) {
    ASSERT_TRUE(backUp(anna, archives / "a.zip").ok());
    const UnpackedBackup unpacked = unpackBackup(test::fileBytes(archives / "a.zip"));
    ASSERT_TRUE(unpacked.ok()) << unpacked.refusal;
    std::map<std::string, std::string> files;
    for (const BackupFile& file : unpacked.files)
        files[file.name] = file.bytes;
    EXPECT_EQ(files, dataOf(anna));
    EXPECT_EQ(files.size(), 10u);
}

TEST_F(BackupTest, RestoredIntoANewUserGivesByteIdenticalFiles) {
    ASSERT_TRUE(backUp(anna, archives / "a.zip").ok());
    const fs::path bert = place.path() / "TPDaten" / "Bert";
    const RestoreDone done = restore(archives / "a.zip", bert, store);
    ASSERT_TRUE(done.ok()) << done.problem;
    EXPECT_EQ(dataOf(bert), dataOf(anna));
    EXPECT_TRUE(done.undoArchive.empty()) << "nothing was there to back up";
    EXPECT_EQ(done.counts.notes, 5);
    EXPECT_EQ(done.counts.shiftMarkings, 3);
    EXPECT_EQ(done.counts.calendarBars, 2);
}

TEST_F(BackupTest, UndoBringsBackThePreviousStateByteIdentical) {
    ASSERT_TRUE(backUp(anna, archives / "a.zip").ok());
    const auto backedUp = dataOf(anna);
    place.put("Anna/20150124.txt", "später geändert");
    place.put("Anna/20301130.txt", "später angelegt");
    fs::remove(anna / "124.jnt");
    const auto later = dataOf(anna);

    const RestoreDone done = restore(archives / "a.zip", anna, store);
    ASSERT_TRUE(done.ok()) << done.problem;
    EXPECT_EQ(dataOf(anna), backedUp);
    EXPECT_EQ(done.removedFiles, std::vector<std::string>{"20301130.txt"});
    EXPECT_EQ(done.undoArchive,
              archives / "Turnoplaner-Anna-vor-Wiederherstellung-2024-03-02-083000.zip");

    ASSERT_TRUE(restore(done.undoArchive, anna, store).ok());
    EXPECT_EQ(dataOf(anna), later);
}

TEST_F(BackupTest, DryRunChangesNothingAndSaysWhatItWouldDo) {
    ASSERT_TRUE(backUp(anna, archives / "a.zip").ok());
    place.put("Anna/20301130.txt", "später angelegt");
    const auto before = test::folderContents(anna);
    const RestoreDone done =
        restoreBackup(store, archives / "a.zip", placeOf(anna), archives, kManifest, kNow, true);
    ASSERT_TRUE(done.ok()) << done.problem;
    EXPECT_EQ(done.restoredFiles, 10);
    EXPECT_EQ(done.removedFiles, std::vector<std::string>{"20301130.txt"});
    EXPECT_FALSE(done.undoArchive.empty());
    EXPECT_FALSE(fs::exists(done.undoArchive));
    EXPECT_EQ(test::folderContents(anna), before);
}

TEST_F(BackupTest, FileRecordedUnreadableMakesTheBackupFailWithItsName) {
    store.store.markUnreadable(anna / "Minusstunden.dat");
    const BackupWritten written = backUp(anna, archives / "a.zip");
    EXPECT_EQ(written.failure, BackupFailure::ReadWrite);
    EXPECT_EQ(written.problem, "Die Datei \"Minusstunden.dat\" konnte nicht gelesen werden; die "
                               "Sicherung wurde nicht geschrieben.");
    EXPECT_FALSE(fs::exists(archives / "a.zip"));
}

TEST_F(BackupTest, FileThatCannotBeReadMakesTheBackupFailWithItsName) {
    test::FaultyDisk disk({test::DiskOperation::Read, 3});
    UserFileStore faulty(disk);
    const BackupWritten written = writeBackup(faulty, placeOf(anna), archives / "a.zip", kManifest);
    EXPECT_EQ(written.failure, BackupFailure::ReadWrite);
    EXPECT_NE(written.problem.find("konnte nicht gelesen werden"), std::string::npos);
    EXPECT_FALSE(fs::exists(archives / "a.zip"));
}

#ifndef _WIN32
TEST_F(BackupTest, LinkedDataFileMakesTheBackupFail) {
    place.put("elsewhere.dat", "12345678");
    fs::remove(anna / "Urlaubstage.dat");
    fs::create_symlink(place.path() / "elsewhere.dat", anna / "Urlaubstage.dat");
    const BackupWritten written = backUp(anna, archives / "a.zip");
    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.problem.find("\"Urlaubstage.dat\""), std::string::npos) << written.problem;
}

TEST_F(BackupTest, ArchiveIsNeverWrittenThroughALink) {
    place.put("target.zip", "bleibt");
    fs::create_directories(archives);
    fs::create_symlink(place.path() / "target.zip", archives / "a.zip");
    EXPECT_FALSE(backUp(anna, archives / "a.zip").ok());
    EXPECT_EQ(test::fileBytes(place.path() / "target.zip"), "bleibt");
}
#endif

TEST_F(BackupTest, RestoreBrokenOffLeavesEveryFileOldOrNewAndSaysWhichWereNotRestored) {
    ASSERT_TRUE(backUp(anna, archives / "a.zip").ok());
    const auto fresh = dataOf(anna);
    // Every file older than the backup.
    for (const auto& [name, bytes] : fresh)
        place.put("Anna/" + name, "alt " + name);
    place.put("Anna/20301130.txt", "nicht in der Sicherung");
    const auto old = dataOf(anna);

    // The first write is the backup of the old data, the sixth the fifth file restored.
    test::FaultyDisk disk({test::DiskOperation::Replace, 6});
    UserFileStore faulty(disk);
    const RestoreDone done = restore(archives / "a.zip", anna, faulty);

    EXPECT_EQ(done.failure, BackupFailure::ReadWrite);
    EXPECT_EQ(done.restoredFiles, 4);
    EXPECT_EQ(done.notRestored.size(), 7u); // five files of the backup, and the one to remove
    EXPECT_NE(done.problem.find("Nicht wiederhergestellt (im alten Stand): "), std::string::npos)
        << done.problem;
    const auto after = dataOf(anna);
    EXPECT_EQ(after.size(), old.size());
    int renewed = 0;
    for (const auto& [name, bytes] : after) {
        const bool isOld = old.at(name) == bytes;
        const bool isNew = fresh.contains(name) && fresh.at(name) == bytes;
        EXPECT_TRUE(isOld || isNew) << name;
        const bool toldNotRestored = std::find(done.notRestored.begin(), done.notRestored.end(),
                                               name) != done.notRestored.end();
        EXPECT_EQ(isOld, toldNotRestored) << name;
        renewed += isNew ? 1 : 0;
    }
    EXPECT_EQ(renewed, 4);
    // The backup made before keeps the old state.
    ASSERT_TRUE(fs::exists(done.undoArchive));
}

} // namespace
} // namespace tp
