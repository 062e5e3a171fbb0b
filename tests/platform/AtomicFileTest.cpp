#include "platform/AtomicFile.h"
#include "settings/DataFolders.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

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

TEST(AtomicFile, FailureLeavesTheOldFile) {
    test::TemporaryFolder folder;
    std::string bytes;
    EXPECT_FALSE(writeFileAtomically(folder.path() / "missing" / "x.dat", "data"));
    EXPECT_FALSE(readWholeFile(folder.path() / "missing.dat", bytes));
}

TEST(StoredPaths, BothSeparatorsAreAccepted) {
    EXPECT_EQ(pathFromStored("C:\\TPDaten\\Programm\\").generic_string(), "C:/TPDaten/Programm/");
    EXPECT_EQ(pathFromStored("/home/a/TPDaten").generic_string(), "/home/a/TPDaten");
}

TEST(DataFolders, CreatedOnFirstStartAndReusedAfterwards) {
    test::TemporaryFolder start;
    const auto folders = prepareDataFolders(start.path(), "Programm");
    ASSERT_TRUE(folders.has_value());
    EXPECT_TRUE(std::filesystem::is_directory(start.path() / "TPDaten" / "Programm"));
    ASSERT_TRUE(writeFileAtomically(folders->userFolder / "keep.dat", "data"));
    const auto again = prepareDataFolders(start.path(), "Programm");
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(again->userFolder, folders->userFolder);
    EXPECT_TRUE(std::filesystem::exists(again->userFolder / "keep.dat"));
}

TEST(DataFolders, AFileInTheWayIsReported) {
    test::TemporaryFolder start;
    ASSERT_TRUE(writeFileAtomically(start.path() / "TPDaten", "not a folder"));
    EXPECT_FALSE(prepareDataFolders(start.path(), "Programm").has_value());
}

} // namespace
} // namespace tp
