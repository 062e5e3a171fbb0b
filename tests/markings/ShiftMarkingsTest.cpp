#include "markings/ShiftMarkings.h"
#include "TemporaryFolder.h"
#include "platform/AtomicFile.h"
#include "support/FaultyDisk.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

#include <random>

namespace tp {
namespace {

const std::filesystem::path markingFile(const test::TemporaryFolder& folder) {
    return folder.path() / kShiftMarkingFileName;
}

std::string fileBytes(const std::filesystem::path& path) {
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

TEST(ShiftMarkingFile, SixBytesPerDayInDayOrder) {
    ShiftMarkingList list;
    list.put({16801, 2, Vacation});
    list.put({300, 4, ExtraWork});
    EXPECT_EQ(shiftMarkingFileBytes(list),
              std::string("\x2C\x01\x00\x00\x04\x00\xA1\x41\x00\x00\x02\x02", 12));
}

TEST(ShiftMarkingFile, DamagedFileCountsEachDayOnce) {
    // Day 0, day 300 twice (F, then U) and day 200 out of order.
    const std::string damaged("\x00\x00\x00\x00\x01\x00"
                              "\x2C\x01\x00\x00\x02\x01"
                              "\x2C\x01\x00\x00\x02\x02"
                              "\xC8\x00\x00\x00\x03\x00",
                              24);
    const ShiftMarkingList list = shiftMarkingsFromFileBytes(damaged);
    const std::vector<ShiftMarking> expected{{200, 3, ExtraWork}, {300, 2, TimeOff}};
    EXPECT_EQ(list.entries(), expected);
    EXPECT_EQ(shiftMarkingFileBytes(list).size(), 12u);
}

TEST(ShiftMarkingFile, DayZeroStaysInMemoryOnly) {
    ShiftMarkingList list;
    list.put({0, 2, Sick});
    EXPECT_NE(list.markingOf(0), nullptr);
    EXPECT_EQ(shiftMarkingFileBytes(list), "");
}

TEST(ShiftMarkingFile, SavedLoadedAndDeletedWhenEmpty) {
    test::TemporaryFolder folder;
    ShiftMarkingList list;
    list.put({16801, 2, Vacation});
    ASSERT_TRUE(saveShiftMarkings(test::TestStore{}, folder.path(), list).ok);
    EXPECT_FALSE(list.changed);
    EXPECT_EQ(loadShiftMarkings(test::TestStore{}, folder.path()).entries(), list.entries());

    list.remove(16801);
    ASSERT_TRUE(saveShiftMarkings(test::TestStore{}, folder.path(), list).ok);
    EXPECT_FALSE(std::filesystem::exists(markingFile(folder)));
}

TEST(ShiftMarkingFile, UnreadableFileIsNeverOverwritten) {
    test::TemporaryFolder folder;
    std::filesystem::create_directory(markingFile(folder));
    test::TestStore store;
    ShiftMarkingList list = loadShiftMarkings(store, folder.path());
    EXPECT_TRUE(store.store.isUnreadable(markingFile(folder)));
    list.put({16801, 2, Vacation});
    const SaveResult result = saveShiftMarkings(store, folder.path(), list);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("Schichtmarkierung.dat"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(markingFile(folder)));
}

TEST(ShiftMarkingFile, WriteFailureIsReportedAndTheOldFileKept) {
    test::TemporaryFolder folder;
    ShiftMarkingList list;
    list.put({16801, 2, Vacation});
    ASSERT_TRUE(saveShiftMarkings(test::TestStore{}, folder.path(), list).ok);
    const std::string before = fileBytes(markingFile(folder));
    list.put({16802, 2, Vacation});
    test::FaultyDisk disk({.operation = test::DiskOperation::Replace});
    UserFileStore store(disk);
    const SaveResult result = saveShiftMarkings(store, folder.path(), list);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_TRUE(list.changed);
    EXPECT_EQ(fileBytes(markingFile(folder)), before);
}

TEST(ShiftMarkingEntry, ReplacesAndDeletes) {
    ShiftMarkingList list;
    storeShiftMarking(list, CalendarType::WendringPm1, 500, 2, ExtraWork);
    EXPECT_EQ(currentMarkingCode(list, 500), ExtraWork);
    storeShiftMarking(list, CalendarType::WendringPm1, 500, 4, Vacation);
    ASSERT_EQ(list.entries().size(), 1u);
    EXPECT_EQ(list.entries()[0], (ShiftMarking{500, 4, Vacation}));
    // Code 6 is stored under the four-crew layout ("Krank") but deletes under types 0..5.
    storeShiftMarking(list, CalendarType::ValdorHalmstett, 500, 1, 6);
    EXPECT_EQ(currentMarkingCode(list, 500), 6);
    storeShiftMarking(list, CalendarType::WendringPm1, 500, 1, 6);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(currentMarkingCode(list, 500), 0);
}

TEST(ShiftMarkingEntry, MarkableColumns) {
    const DayNumber sunday = dayNumberOf(2016, 3, 13);
    const DayNumber monday = sunday + 1;
    struct Case {
        CalendarType type;
        DayNumber day;
        int column;
        bool markable;
    } cases[] = {
        {CalendarType::WendringPm1, monday, 3, true},
        {CalendarType::WendringPm1, sunday, 3, false},
        {CalendarType::WendringStandardSheet, sunday, 4, true},
        {CalendarType::WendringWerk, monday, 0, false},
        {CalendarType::WendringTwoShift, monday, 3, true},
        {CalendarType::WendringTwoShift, monday, 4, false},
        {CalendarType::BrellingKarton, sunday, 3, true},
        {CalendarType::ValdorHalmstett, monday, 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isMarkableColumn(c.type, c.day, c.column), c.markable)
            << numberOf(c.type) << ' ' << c.day << ' ' << c.column;
}

TEST(ShiftMarkingEntry, DeleteUpToADayKeepsTheRest) {
    ShiftMarkingList list({{100, 1, Sick}, {200, 1, Sick}, {300, 1, Sick}});
    list.removeUpTo(200);
    EXPECT_EQ(list.entries(), std::vector<ShiftMarking>({{300, 1, Sick}}));
    EXPECT_TRUE(list.changed);
}

} // namespace
} // namespace tp

namespace tp {
namespace {

// Whatever a file holds, loading gives a list that saves and loads back unchanged.
TEST(ShiftMarkingFile, AnyBytesLoadIntoAListThatSurvivesARoundTrip) {
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        std::string bytes(random() % 100, '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random() % 4 == 0 ? random() : random() % 3);
        const ShiftMarkingList loaded = shiftMarkingsFromFileBytes(bytes);
        const std::string saved = shiftMarkingFileBytes(loaded);
        EXPECT_EQ(shiftMarkingsFromFileBytes(saved).entries(), loaded.entries());
        EXPECT_EQ(shiftMarkingFileBytes(shiftMarkingsFromFileBytes(saved)), saved);
    }
}

} // namespace
} // namespace tp
