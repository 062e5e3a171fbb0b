#include "shell/CommandRules.h"

#include <gtest/gtest.h>

using namespace tp;

namespace {

CalendarType typeNumber(int number) {
    return *calendarTypeFromNumber(number);
}

TEST(ViewShiftDays, NavigationCommandsByCalendarType) {
    struct Case {
        Command command;
        int calendarType;
        int lastColumnIndex;
        std::optional<int> days;
    };
    const Case cases[] = {
        {Command::YearBack, 0, 5, -365},          {Command::YearForward, 0, 5, 366},
        {Command::YearBack, 5, 5, -365},          {Command::YearForward, 5, 5, 366},
        {Command::MonthBack, 0, 5, -1},           {Command::MonthForward, 0, 5, 31},
        {Command::MonthBack, 5, 5, std::nullopt}, {Command::MonthForward, 5, 5, std::nullopt},
        {Command::PageBack, 0, 5, -155},          {Command::PageForward, 0, 5, 155},
        {Command::PageBack, 7, 11, -341},         {Command::PageForward, 7, 23, 713},
        {Command::PageBack, 5, 11, -155},         {Command::PageForward, 5, 11, 186},
        {Command::Today, 0, 5, std::nullopt},     {Command::CursorDown, 0, 5, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(viewShiftDays(c.command, typeNumber(c.calendarType), c.lastColumnIndex), c.days)
            << "command " << static_cast<int>(c.command) << " type " << c.calendarType;
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
    const Command keys[6] = {Command::CalendarPm1,      Command::CalendarTwoShift,
                             Command::CalendarWerk,     Command::CalendarValdor,
                             Command::CalendarBrelling, Command::CalendarSheet};
    for (int type = 0; type < 8; ++type)
        for (int key = 0; key < 6; ++key)
            EXPECT_EQ(numberOf(calendarTypeAfterCommand(typeNumber(type), keys[key])),
                      expected[type][key])
                << "type " << type << " key " << key;
    using enum CalendarType;
    EXPECT_EQ(calendarTypeAfterCommand(calendarTypeAfterCommand(WendringPm1, Command::CalendarPm1),
                                       Command::CalendarPm1),
              WendringPm1);
    EXPECT_EQ(calendarTypeAfterCommand(WerkTwoNightBlock, Command::CopyPage), WerkTwoNightBlock);
}

} // namespace
