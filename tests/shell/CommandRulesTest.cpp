#include "shell/CommandRules.h"
#include "shell/MainCommands.h"

#include <gtest/gtest.h>

using namespace tp;

namespace {

TEST(ViewShiftDays, NavigationCommandsByCalendarType) {
    struct Case {
        int command;
        int calendarType;
        int lastColumnIndex;
        std::optional<int> days;
    };
    const Case cases[] = {
        {YearBack, 0, 5, -365},          {YearForward, 0, 5, 366},
        {YearBack, 5, 5, -365},          {YearForward, 5, 5, 366},
        {MonthBack, 0, 5, -1},           {MonthForward, 0, 5, 31},
        {MonthBack, 5, 5, std::nullopt}, {MonthForward, 5, 5, std::nullopt},
        {PageBack, 0, 5, -155},          {PageForward, 0, 5, 155},
        {PageBack, 7, 11, -341},         {PageForward, 7, 23, 713},
        {PageBack, 5, 11, -155},         {PageForward, 5, 11, 186},
        {Today, 0, 5, std::nullopt},     {CursorDown, 0, 5, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(viewShiftDays(c.command, c.calendarType, c.lastColumnIndex), c.days)
            << "command " << c.command << " type " << c.calendarType;
}

TEST(ColumnCount, StaysBetweenSixAnd24Columns) {
    EXPECT_EQ(steppedLastColumnIndex(5, -1), std::nullopt);
    EXPECT_EQ(steppedLastColumnIndex(6, -1), 5);
    EXPECT_EQ(steppedLastColumnIndex(5, +1), 6);
    EXPECT_EQ(steppedLastColumnIndex(22, +1), 23);
    EXPECT_EQ(steppedLastColumnIndex(23, +1), std::nullopt);
    // Out-of-range settings values are brought back towards the range, never further out.
    EXPECT_EQ(steppedLastColumnIndex(3, -1), std::nullopt);
    EXPECT_EQ(steppedLastColumnIndex(30, +1), std::nullopt);
}

TEST(CalendarTypeKeys, EveryKeyFromEveryType) {
    // Row: type before; columns: N, B, M, V, C, X.
    const int expected[8][6] = {
        {3, 2, 1, 6, 7, 5}, {0, 2, 4, 6, 7, 5}, {0, 2, 1, 6, 7, 5}, {0, 2, 1, 6, 7, 5},
        {0, 2, 1, 6, 7, 5}, {0, 2, 1, 6, 7, 5}, {0, 2, 1, 6, 7, 5}, {0, 2, 1, 6, 7, 5},
    };
    const int keys[6] = {TypeKeyN, TypeKeyB, TypeKeyM, TypeKeyV, TypeKeyC, TypeKeyX};
    for (int type = 0; type < 8; ++type)
        for (int key = 0; key < 6; ++key)
            EXPECT_EQ(calendarTypeAfterCommand(type, keys[key]), expected[type][key])
                << "type " << type << " key " << key;
    EXPECT_EQ(calendarTypeAfterCommand(calendarTypeAfterCommand(0, TypeKeyN), TypeKeyN), 0);
    EXPECT_EQ(calendarTypeAfterCommand(4, CopyPage), 4);
}

} // namespace
