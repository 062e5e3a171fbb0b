#include "notes/NoteFiles.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tp {
namespace {

namespace fs = std::filesystem;

class NoteFilesTest : public ::testing::Test {
  protected:
    std::string bytesOf(const std::string& name) const {
        std::ifstream in(folder.path() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder.path() / name, std::ios::binary) << bytes;
    }
    std::vector<std::string> fileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TemporaryFolder folder;
    NoteIndexes indexes;
};

TEST_F(NoteFilesTest, WritesExactlyTheWindows1252TextAndNothingElse) {
    const std::string text = "Müller „Lager“ – 5 €\r\nzweite Zeile";
    ASSERT_TRUE(writeNoteFile(test::TestStore{}, folder.path(), indexes, NoteKind::Day,
                              "20161124.txt", text, "")
                    .ok);
    EXPECT_EQ(bytesOf("20161124.txt"), "M\xFCller \x84Lager\x93 \x96 5 \x80\r\nzweite Zeile");
    EXPECT_EQ(readNoteFile(test::TestStore{}, folder.path(), "20161124.txt", "").text, text);
    EXPECT_EQ(indexes.dayNotes, std::vector<std::int32_t>{20161124});

    ASSERT_TRUE(writeNoteFile(test::TestStore{}, folder.path(), indexes, NoteKind::Yearly,
                              "1124.jnt", "Ab", "ab")
                    .ok);
    EXPECT_EQ(bytesOf("1124.jnt"), "032000");
    EXPECT_EQ(readNoteFile(test::TestStore{}, folder.path(), "1124.jnt", "ab").text, "Ab");
    EXPECT_EQ(fileNames(), (std::vector<std::string>{"1124.jnt", "20161124.txt"}));
}

TEST_F(NoteFilesTest, LongestNoteReadsBackWholeInBothForms) {
    std::string text;
    for (int i = 0; i < kNoteLengthLimit; ++i)
        text += static_cast<char>('a' + i % 26);
    for (const std::string password : {"", "Schicht"}) {
        ASSERT_TRUE(writeNoteFile(test::TestStore{}, folder.path(), indexes, NoteKind::Day,
                                  "20160001.txt", text, password)
                        .ok);
        EXPECT_EQ(bytesOf("20160001.txt").size(), password.empty() ? 8191u : 24573u);
        EXPECT_EQ(readNoteFile(test::TestStore{}, folder.path(), "20160001.txt", password).text,
                  text)
            << password;
    }
}

TEST_F(NoteFilesTest, EmptyTextDeletesAndSavingReplaces) {
    put("20160001.txt", "alter Text, viel länger als der neue");
    ASSERT_TRUE(writeNoteFile(test::TestStore{}, folder.path(), indexes, NoteKind::Day,
                              "20160001.txt", "neu", "")
                    .ok);
    EXPECT_EQ(bytesOf("20160001.txt"), "neu");
    ASSERT_TRUE(writeNoteFile(test::TestStore{}, folder.path(), indexes, NoteKind::Day,
                              "20160001.txt", "", "")
                    .ok);
    EXPECT_TRUE(fileNames().empty());
    EXPECT_TRUE(indexes.dayNotes.empty());
    // Deleting a note that is not there is no failure.
    EXPECT_TRUE(writeNoteFile(test::TestStore{}, folder.path(), indexes, NoteKind::Day,
                              "20160001.txt", "", "")
                    .ok);
}

TEST_F(NoteFilesTest, FailedWriteOrDeletionIsReportedAndKeepsWhatWasThere) {
    fs::create_directory(folder.path() / "20160001.txt");
    put("20160001.txt/inside", "x");
    const SaveResult written = writeNoteFile(test::TestStore{}, folder.path(), indexes,
                                             NoteKind::Day, "20160001.txt", "Text", "");
    EXPECT_FALSE(written.ok);
    EXPECT_NE(written.reason.find("20160001.txt"), std::string::npos) << written.reason;
    const SaveResult deleted = writeNoteFile(test::TestStore{}, folder.path(), indexes,
                                             NoteKind::Day, "20160001.txt", "", "");
    EXPECT_FALSE(deleted.ok);
    EXPECT_TRUE(fs::is_directory(folder.path() / "20160001.txt"));
    EXPECT_EQ(bytesOf("20160001.txt/inside"), "x");
    // The folder reads as no note at all.
    EXPECT_FALSE(readStoredNote(test::TestStore{}, folder.path(), "20160001.txt", "").status ==
                 DataFileStatus::Read);
    EXPECT_FALSE(readStoredNote(test::TestStore{}, folder.path(), "20160002.txt", "").status ==
                 DataFileStatus::Read);
}

TEST_F(NoteFilesTest, IndexesFollowTheNameRules) {
    for (const char* name : {"20161124.txt", "20160001.txt", "20161124 - Kopie.txt", "abc.txt",
                             "19700000.txt", "1131.jnt", "1.jnt", "1132.jnt", "11254.wmt",
                             "10000.wmt", "18.14.tnt", "3.7.tnt", "0.5.tnt", "9.tnt", "notes.dat"})
        put(name, "x");
    fs::create_directory(folder.path() / "20150005.txt");

    const NoteIndexes read = *readNoteIndexes(test::TestStore{}, folder.path());
    EXPECT_EQ(read.dayNotes, (std::vector<std::int32_t>{20150005, 20160001, 20161124, 20161124}));
    EXPECT_EQ(read.yearlyNotes, (std::vector<std::int32_t>{1, 1131}));
    EXPECT_EQ(read.weekdayNotes, (std::vector<std::int32_t>{10000, 11254}));
    // Periodic series in the order of their names.
    EXPECT_EQ(read.periodicNotes, (std::vector<PeriodicNoteEntry>{{18, 14}, {3, 7}, {9, 0}}));

    NoteIndexes one;
    EXPECT_EQ(rebuildNoteIndex(test::TestStore{}, folder.path(), one, NoteKind::Day), 4);
    EXPECT_EQ(rebuildNoteIndex(test::TestStore{}, folder.path(), one, NoteKind::Periodic), 3);
    EXPECT_EQ(one.dayNotes, read.dayNotes);
    EXPECT_EQ(one.periodicNotes, read.periodicNotes);
    EXPECT_TRUE(one.yearlyNotes.empty());
}

TEST_F(NoteFilesTest, BulkDeletionRemovesIndexedNotesAndCountsFailures) {
    for (const char* name :
         {"20151131.txt", "20160001.txt", "20150000 alt.txt", "18.14.tnt", "3.7.tnt", "1.jnt"})
        put(name, "x");
    fs::create_directory(folder.path() / "20150101.txt");
    put("20150101.txt/inside", "x");
    indexes = *readNoteIndexes(test::TestStore{}, folder.path());

    EXPECT_EQ(
        deleteDayNotesUpTo(test::TestStore{}, folder.path(), indexes, dayNumberOf(2015, 12, 31)),
        1);
    // The folder could not go; the copy is not a canonical name and stays as well.
    EXPECT_EQ(indexes.dayNotes, (std::vector<std::int32_t>{20150000, 20150101, 20160001}));

    EXPECT_EQ(deleteAllNotesOfKind(test::TestStore{}, folder.path(), indexes, NoteKind::Periodic),
              0);
    EXPECT_TRUE(indexes.periodicNotes.empty());
    EXPECT_EQ(fileNames(), (std::vector<std::string>{"1.jnt", "20150000 alt.txt", "20150101.txt",
                                                     "20160001.txt"}));
}

} // namespace
} // namespace tp
