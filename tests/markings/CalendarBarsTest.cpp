#include "markings/CalendarBars.h"
#include "TemporaryFolder.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

#include <random>

namespace tp {
namespace {

TEST(CalendarBars, FirstBarInStartOrderCoversTheDay) {
    // 20..30 red, 25..26 blue inside it, 40 alone green, 50..60 and 55..70 overlapping.
    const CalendarBarList list({{50, 60, 0x0000FF},
                                {20, 30, 0x0000FF},
                                {25, 26, 0xFF0000},
                                {40, 40, 0x00FF00},
                                {55, 70, 0xFFFF00}});
    const std::pair<DayNumber, std::uint32_t> expected[] = {
        {19, 0},        {20, 0x0000FF}, {25, 0x0000FF}, {30, 0x0000FF}, {31, 0},        {39, 0},
        {40, 0x00FF00}, {41, 0},        {60, 0x0000FF}, {61, 0xFFFF00}, {70, 0xFFFF00}, {71, 0}};
    for (const auto& [day, colour] : expected)
        EXPECT_EQ(barColourOfDay(list, day), colour) << day;
}

TEST(CalendarBars, LookupAgreesWithAWalkThroughTheList) {
    std::mt19937 random(7);
    std::vector<CalendarBar> bars;
    for (std::uint32_t i = 1; i <= 300; ++i) {
        const DayNumber start = static_cast<DayNumber>(random() % 3000);
        bars.push_back({start, start + static_cast<DayNumber>(random() % 40), i});
    }
    const CalendarBarList list(bars);
    for (DayNumber day = -5; day < 3100; ++day) {
        std::uint32_t walked = 0;
        for (const CalendarBar& bar : list.bars())
            if (bar.start <= day && day <= bar.end) {
                walked = bar.colour;
                break;
            }
        ASSERT_EQ(barColourOfDay(list, day), walked) << day;
    }
}

TEST(CalendarBarEntry, WhatTheWindowStartsWith) {
    const CalendarBarList list({{20, 30, 0x123456}});
    EXPECT_EQ(barShownForDay(list, 25), (CalendarBar{20, 30, 0x123456}));
    EXPECT_EQ(barShownForDay(list, 31), (CalendarBar{31, 31, kDefaultBarColour}));
}

TEST(CalendarBarEntry, SaveOverwritesTheBarFoundForStartOrEnd) {
    CalendarBarList list({{20, 30, 1}, {40, 50, 2}});
    saveBarEntry(list, 25, 35, 3); // start inside the first
    saveBarEntry(list, 45, 38, 4); // reversed; end inside the second after the swap: 38..45
    saveBarEntry(list, 60, 61, 5); // new
    const std::vector<CalendarBar> expected{{25, 35, 3}, {38, 45, 4}, {60, 61, 5}};
    EXPECT_EQ(list.bars(), expected);
    EXPECT_TRUE(list.changed);
}

TEST(CalendarBarEntry, ChosenBlackStaysVisibleAndEditable) {
    CalendarBarList list;
    saveBarEntry(list, 10, 12, 0x000000);
    EXPECT_EQ(barColourOfDay(list, 11), kNearestBarBlack);
    deleteBarEntry(list, 11, 11);
    EXPECT_TRUE(list.empty());
}

TEST(CalendarBarEntry, DeleteRemovesTheBarAroundTheEnteredStart) {
    CalendarBarList list({{20, 30, 1}, {40, 50, 2}});
    deleteBarEntry(list, 45, 25); // reversed: the start is 25
    EXPECT_EQ(list.bars(), (std::vector<CalendarBar>{{40, 50, 2}}));
    deleteBarEntry(list, 35, 60); // no bar around 35
    EXPECT_EQ(list.bars().size(), 1u);
}

TEST(CalendarBars, DeleteUpToADayTakesBarsStartingByThen) {
    CalendarBarList list({{20, 30, 1}, {25, 50, 2}, {40, 50, 3}});
    deleteBarsUpTo(list, 25);
    EXPECT_EQ(list.bars(), (std::vector<CalendarBar>{{40, 50, 3}}));
}

TEST(CalendarBarFile, TwelveBytesPerBarAndDeletedWhenEmpty) {
    test::TemporaryFolder folder;
    CalendarBarList list({{16801, 16803, kDefaultBarColour}});
    EXPECT_EQ(calendarBarFileBytes(list),
              std::string("\xA1\x41\x00\x00\xA3\x41\x00\x00\xEF\xC2\xA1\x00", 12));
    ASSERT_TRUE(saveCalendarBars(test::TestStore{}, folder.path(), list).ok);
    EXPECT_EQ(loadCalendarBars(test::TestStore{}, folder.path()).bars(), list.bars());
    list.removeAt(0);
    ASSERT_TRUE(saveCalendarBars(test::TestStore{}, folder.path(), list).ok);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / kCalendarBarFileName));
}

TEST(CalendarBarFile, UnreadableFileIsNeverOverwritten) {
    test::TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / kCalendarBarFileName);
    CalendarBarList list = loadCalendarBars(test::TestStore{}, folder.path());
    saveBarEntry(list, 1, 2, 3);
    EXPECT_FALSE(saveCalendarBars(test::TestStore{}, folder.path(), list).ok);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / kCalendarBarFileName));
}

} // namespace
} // namespace tp
