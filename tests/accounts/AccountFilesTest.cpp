#include "accounts/AccountFiles.h"
#include "TemporaryFolder.h"
#include "accounts/HolidayLevel.h"
#include "platform/AtomicFile.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(HoursAccountFile, ElevenLittleEndianBytes) {
    const HoursAccount account{16801, 7.5f, true, 3, true}; // 1 January 2016
    EXPECT_EQ(hoursAccountFileBytes(account),
              std::string("\xA1\x41\x00\x00\x00\x00\xF0\x40\x01\x03\x01", 11));
    EXPECT_EQ(hoursAccountFromFileBytes(hoursAccountFileBytes(account)), account);
}

TEST(HoursAccountFile, LastCompleteRecordCounts) {
    const HoursAccount first{100, 1.0f, false, 1, false};
    const HoursAccount second{200, -2.0f, true, 4, true};
    const std::string bytes = hoursAccountFileBytes(first) + hoursAccountFileBytes(second);
    EXPECT_EQ(hoursAccountFromFileBytes(bytes + "\x01\x02\x03"), second);
    EXPECT_EQ(hoursAccountFromFileBytes(bytes.substr(0, 10)), HoursAccount{});
}

TEST(VacationAccountFile, EightBytesAndTheLastRecord) {
    const VacationAccount account{16801, -3};
    EXPECT_EQ(vacationAccountFileBytes(account),
              std::string("\xA1\x41\x00\x00\xFD\xFF\xFF\xFF", 8));
    EXPECT_EQ(vacationAccountFromFileBytes(vacationAccountFileBytes({1, 2}) +
                                           vacationAccountFileBytes(account) + "\x07"),
              account);
}

TEST(AccountFiles, MissingReadsAsZeroAndUnreadableIsTold) {
    test::TemporaryFolder folder;
    const auto missing = loadHoursAccount(test::TestStore{}, folder.path());
    EXPECT_EQ(missing.status, DataFileStatus::Missing);
    EXPECT_EQ(missing.account, HoursAccount{});

    std::filesystem::create_directory(folder.path() / kHoursAccountFileName);
    EXPECT_EQ(loadHoursAccount(test::TestStore{}, folder.path()).status,
              DataFileStatus::Unreadable);
}

TEST(VacationAccountFile, NewYearRuleIsWrittenAtOnce) {
    test::TemporaryFolder folder;
    ASSERT_TRUE(
        saveVacationAccount(test::TestStore{}, folder.path(), {dayNumberOf(2015, 3, 1), 20}).ok);
    SaveResult saved;
    const auto renewed =
        refreshVacationAccount(test::TestStore{}, folder.path(), dayNumberOf(2016, 2, 1), saved);
    EXPECT_TRUE(saved.ok);
    const VacationAccount expected{dayNumberOf(2016, 1, 1), 0};
    EXPECT_EQ(renewed.account, expected);
    EXPECT_EQ(loadVacationAccount(test::TestStore{}, folder.path()).account, expected);
}

struct LevelCase {
    int year, month, day;
    int firstLevel; // the lowest level at which the day is a holiday; 0: at none
};

TEST(HolidayLevel, FromTheLevelOfEachDay) {
    // Easter Sunday 2016 is 27 March.
    const LevelCase cases[] = {
        {2016, 1, 1, 1},   {2016, 1, 6, 1},   {2016, 5, 1, 1},   {2016, 8, 15, 1},
        {2016, 10, 3, 1},  {2016, 12, 25, 1}, {2016, 12, 26, 1}, {2016, 12, 24, 3},
        {2016, 12, 31, 3}, {2016, 4, 30, 4},  {2016, 3, 25, 1},  {2016, 3, 26, 3},
        {2016, 3, 27, 1},  {2016, 3, 28, 1},  {2016, 5, 5, 1},   {2016, 5, 14, 4},
        {2016, 5, 15, 1},  {2016, 5, 16, 1},  {2016, 5, 26, 1},  {2016, 11, 1, 0},
        {2016, 3, 24, 0},  {2016, 6, 15, 0},
    };
    for (const LevelCase& c : cases) {
        const DayNumber day = dayNumberOf(c.year, c.month, c.day);
        for (int level = 0; level <= 4; ++level)
            EXPECT_EQ(isHolidayForLevel(day, level), c.firstLevel != 0 && level >= c.firstLevel)
                << c.year << '-' << c.month << '-' << c.day << " level " << level;
    }
}

} // namespace
} // namespace tp
