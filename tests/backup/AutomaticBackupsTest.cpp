#include "backup/AutomaticBackups.h"
#include "session/Session.h"
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

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : test::folderContents(folder))
        names.push_back(name);
    return names;
}

class AutomaticBackupsTest : public ::testing::Test {
  protected:
    void SetUp() override { test::fillUserData(anna); }
    AutomaticBackup backUp(const LocalDateTime& now) {
        return writeAutomaticBackup(store, {anna, anna, "Anna"}, archives, kManifest, now);
    }

    test::TemporaryFolder place;
    const fs::path anna = place.path() / "Anna";
    const fs::path archives = place.path() / "Sicherungen";
    test::TestStore store;
};

TEST_F(AutomaticBackupsTest, OnePerDay) {
    EXPECT_TRUE(backUp({2024, 3, 1, 8, 0, 0}).written);
    place.put("Anna/20150124.txt", "später am Tag");
    EXPECT_FALSE(backUp({2024, 3, 1, 17, 0, 0}).written);
    EXPECT_TRUE(backUp({2024, 3, 2, 8, 0, 0}).written);
    EXPECT_EQ(namesIn(archives), (std::vector<std::string>{"Turnoplaner-Anna-2024-03-01.zip",
                                                           "Turnoplaner-Anna-2024-03-02.zip"}));
}

TEST_F(AutomaticBackupsTest, TheNewest14AreKeptAndNoOtherFileIsRemoved) {
    fs::create_directories(archives);
    for (int day = 1; day <= 20; ++day)
        place.put("Sicherungen/" + dailyBackupName("Anna", {2024, 2, day}), "alt");
    const std::vector<std::string> others{"Turnoplaner-Bert-2020-01-01.zip",
                                          "Turnoplaner-Anna-vor-Wiederherstellung-2020-01-01-"
                                          "080000.zip",
                                          "Turnoplaner-Anna-2020-01-01.zip.txt"};
    for (const std::string& name : others)
        place.put("Sicherungen/" + name, "fremd");

    const AutomaticBackup backup = backUp({2024, 3, 1, 8, 0, 0});
    ASSERT_TRUE(backup.ok()) << backup.problem;
    EXPECT_EQ(backup.removed.size(), 7u);
    const std::vector<std::string> names = namesIn(archives);
    const std::vector<std::string> kept = automaticBackupsAmong(names, "Anna");
    ASSERT_EQ(kept.size(), 14u);
    EXPECT_EQ(kept.front(), "Turnoplaner-Anna-2024-02-08.zip");
    EXPECT_EQ(kept.back(), "Turnoplaner-Anna-2024-03-01.zip");
    for (const std::string& name : others)
        EXPECT_TRUE(fs::exists(archives / name)) << name;
}

// A session started in a temporary folder with the user data of fillUserData.
class SessionBackupsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Session first(files, clock);
        first.start(place.path());
        dataFolder = first.state().dataFolder;
        test::fillUserData(dataFolder);
    }
    fs::path backupFolder() const { return place.path() / kDataRootName / "Sicherungen"; }

    test::TemporaryFolder place;
    SystemFileSystem files;
    FixedClock clock{{2015, 3, 10, 9, 0, 0}};
    fs::path dataFolder;
};

TEST_F(SessionBackupsTest, EndWithoutChangesWritesNoBackup) {
    Session session(files, clock);
    session.start(place.path());
    EXPECT_TRUE(session.writeAutomaticBackup().ok());
    EXPECT_FALSE(fs::exists(backupFolder()));
}

TEST_F(SessionBackupsTest, EndAfterAChangedMarkingWritesTodaysBackup) {
    Session session(files, clock);
    session.start(place.path());
    session.storeShiftMarking(16505, 1, 2);
    ASSERT_TRUE(session.saveAll().ok());
    ASSERT_TRUE(session.writeAutomaticBackup().ok());
    const auto archive = backupFolder() / "Turnoplaner-Programm-2015-03-10.zip";
    const UnpackedBackup unpacked = unpackBackup(test::fileBytes(archive));
    ASSERT_TRUE(unpacked.ok()) << unpacked.refusal;
    EXPECT_EQ(countsOf(unpacked.files).shiftMarkings, 4);
}

TEST_F(SessionBackupsTest, FolderNamedInTheSettingsTakesTheBackups) {
    Session session(files, clock);
    session.start(place.path());
    ProgramSettings settings = session.settings();
    settings.backupFolder = (place.path() / "USB-Stick").string();
    session.applySettings(settings);
    session.storeShiftMarking(16505, 1, 2);
    ASSERT_TRUE(session.writeAutomaticBackup().ok());
    EXPECT_TRUE(fs::exists(place.path() / "USB-Stick" / "Turnoplaner-Programm-2015-03-10.zip"));
}

TEST_F(SessionBackupsTest, FailedBackupIsToldInOneMessage) {
    Session session(files, clock);
    session.start(place.path());
    place.put(fs::path(kDataRootName) / "Sicherungen", "eine Datei, kein Ordner");
    session.storeShiftMarking(16505, 1, 2);
    const SessionReport report = session.writeAutomaticBackup();
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_EQ(
        report.errors[0].rfind("Die automatische Sicherung konnte nicht geschrieben werden. ", 0),
        0u);
}

TEST_F(SessionBackupsTest, BulkDeletionWritesItsBackupBeforeDeleting) {
    Session session(files, clock);
    session.start(place.path());
    const std::string deletedNote = test::fileBytes(dataFolder / "20150124.txt");
    BulkDeletionChoice choice;
    choice.lastDay = 16500;
    choice.dayNotes = true;
    SessionReport report;
    session.deleteUpTo(choice, report);
    EXPECT_TRUE(report.ok());
    EXPECT_FALSE(fs::exists(dataFolder / "20150124.txt"));
    const auto archive =
        backupFolder() / fs::path(u8"Turnoplaner-Programm-vor-Löschen-2015-03-10-090000.zip");
    const UnpackedBackup unpacked = unpackBackup(test::fileBytes(archive));
    ASSERT_TRUE(unpacked.ok()) << unpacked.refusal;
    const auto note =
        std::find_if(unpacked.files.begin(), unpacked.files.end(),
                     [](const BackupFile& file) { return file.name == "20150124.txt"; });
    ASSERT_NE(note, unpacked.files.end());
    EXPECT_EQ(note->bytes, deletedNote);
}

TEST_F(SessionBackupsTest, BulkDeletionDeletesNothingWhenItsBackupFails) {
    test::FaultyDisk disk({test::DiskOperation::Replace, 1, ENOSPC});
    Session session(disk, clock);
    session.start(place.path());
    const auto before = test::folderContents(dataFolder);
    BulkDeletionChoice choice;
    choice.lastDay = 16500;
    choice.dayNotes = true;
    choice.shiftMarkings = true;
    SessionReport report;
    session.deleteUpTo(choice, report);
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_EQ(report.errors[0].rfind("Es wurde nichts gelöscht, weil die Sicherung vorher nicht "
                                     "geschrieben werden konnte.",
                                     0),
              0u);
    EXPECT_EQ(test::folderContents(dataFolder), before);
}

} // namespace
} // namespace tp
