#include "shell/CursorMoves.h"

#include <gtest/gtest.h>

using namespace tp;

namespace {

// The day cells as the page draws them for the months of `view`.
DayCellTable drawnCells(const ViewPosition& view, int columns = 6) {
    DayCellTable cells(columns);
    for (int column = 0; column < columns; ++column) {
        const int months = view.year * 12 + view.month - 1 + column;
        const int year = months / 12;
        const int month = months % 12 + 1;
        for (int day = 1; day <= monthLength(year, month); ++day)
            cells.set(column, day, dayCellCode(year, month, day));
    }
    return cells;
}

// January 2015 first: columns hold 31, 28, 31, 30, 31 and 30 days.
constexpr ViewPosition kFirstHalf2015{2015, 1, 0, 1};
constexpr int kLast = 5;

struct MoveCase {
    const char* name;
    int column, day;
    CursorMove move;
    int expectedColumn, expectedDay;
};

void PrintTo(const MoveCase& c, std::ostream* out) {
    *out << c.name;
}

class CursorMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(CursorMoveTest, EndsOnTheExpectedDay) {
    const MoveCase& c = GetParam();
    ViewPosition view = kFirstHalf2015;
    view.cursorColumn = c.column;
    view.cursorDay = c.day;
    applyCursorMove(view, kLast, c.move, drawnCells(view));
    EXPECT_EQ(view.cursorColumn, c.expectedColumn);
    EXPECT_EQ(view.cursorDay, c.expectedDay);
    EXPECT_EQ(view.year, 2015);
    EXPECT_EQ(view.month, 1);
}

constexpr CursorMove kDown{0, 1}, kUp{0, -1}, kRight{1, 0}, kLeft{-1, 0};

INSTANTIATE_TEST_SUITE_P(
    ArrowKeys, CursorMoveTest,
    testing::Values(MoveCase{"DownWithinMonth", 0, 10, kDown, 0, 11},
                    MoveCase{"DownOn31stToNextColumn", 0, 31, kDown, 1, 1},
                    MoveCase{"DownOnFebruary28th", 1, 28, kDown, 2, 1},
                    MoveCase{"DownOn30thOfShortMonth", 3, 30, kDown, 4, 1},
                    MoveCase{"DownOnLastDayOfLastColumnStays", 5, 30, kDown, 5, 30},
                    MoveCase{"DownOn29thOfLastColumn", 5, 29, kDown, 5, 30},
                    MoveCase{"UpWithinMonth", 2, 10, kUp, 2, 9},
                    MoveCase{"UpOnFirstOfColumn0Stays", 0, 1, kUp, 0, 1},
                    MoveCase{"UpOnFirstToLongMonth", 1, 1, kUp, 0, 31},
                    MoveCase{"UpOnFirstToFebruary", 2, 1, kUp, 1, 28},
                    MoveCase{"UpOnFirstToShortMonth", 4, 1, kUp, 3, 30},
                    MoveCase{"RightKeepsDay", 0, 15, kRight, 1, 15},
                    MoveCase{"RightFrom31stIntoFebruary", 0, 31, kRight, 1, 28},
                    MoveCase{"RightFrom30thInto31DayMonth", 3, 30, kRight, 4, 30},
                    MoveCase{"RightOnLastColumnStays", 5, 12, kRight, 5, 12},
                    MoveCase{"LeftOnColumn0Stays", 0, 12, kLeft, 0, 12},
                    MoveCase{"LeftFrom31stIntoShortMonth", 2, 31, kLeft, 1, 28},
                    MoveCase{"NoMove", 2, 17, kNoCursorMove, 2, 17},
                    MoveCase{"LeftwardWithDaysIsIgnored", 2, 17, CursorMove{-1, 3}, 2, 17},
                    MoveCase{"StayPutShortensAnAbsentDay", 1, 31, CursorMove{0, 0}, 1, 28}),
    [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST(CursorMove, LeapFebruaryKeepsThe29th) {
    ViewPosition view{2016, 1, 1, 28};
    applyCursorMove(view, kLast, kDown, drawnCells(view));
    EXPECT_EQ(view, (ViewPosition{2016, 1, 1, 29}));
    applyCursorMove(view, kLast, kDown, drawnCells(view));
    EXPECT_EQ(view, (ViewPosition{2016, 1, 2, 1}));
}

TEST(CursorMove, StartUpMarksOfColumn0Count) {
    // Right after start-up days 29..31 of column 0 count as present whatever the month.
    ViewPosition view{2015, 2, 0, 28};
    DayCellTable cells = drawnCells(view);
    for (int day = 29; day <= 31; ++day)
        cells.set(0, day, 1);
    applyCursorMove(view, kLast, kDown, cells);
    EXPECT_EQ(view.cursorDay, 29);
}

TEST(CursorMove, TodaySelectsTheDayInColumn0) {
    ViewPosition view{2001, 6, 4, 17};
    const CursorMove move = selectToday(view, CivilDate{2016, 2, 29});
    EXPECT_EQ(move, (CursorMove{0, 29}));
    applyCursorMove(view, kLast, move, drawnCells(view));
    EXPECT_EQ(view, (ViewPosition{2016, 2, 0, 29}));

    const CursorMove lastDay = selectToday(view, CivilDate{2015, 12, 31});
    applyCursorMove(view, kLast, lastDay, drawnCells(view));
    EXPECT_EQ(view, (ViewPosition{2015, 12, 0, 31}));
}

// Mouse: W = 8, H = 12, so a column is 144 pixels wide and day d starts at y = (d + 2) × 12.
constexpr LayoutUnits kUnits{8, 12};
constexpr int rowY(int day) {
    return (day + 2) * 12 + 5;
}
constexpr int unitX(int column, int unit) {
    return column * 144 + unit * 8 + 3;
}

struct ClickCase {
    const char* name;
    int x, y;
    int expectedColumn, expectedDay, expectedSlot;
};

void PrintTo(const ClickCase& c, std::ostream* out) {
    *out << c.name;
}

class MouseClickTest : public testing::TestWithParam<ClickCase> {};

TEST_P(MouseClickTest, PlacesCursorOrHitsSlot) {
    const ClickCase& c = GetParam();
    ViewPosition view = kFirstHalf2015;
    view.cursorColumn = 2;
    view.cursorDay = 10;
    const int slot = placeCursorAtMouse(view, kLast, kUnits, c.x, c.y, drawnCells(view));
    EXPECT_EQ(view.cursorColumn, c.expectedColumn);
    EXPECT_EQ(view.cursorDay, c.expectedDay);
    EXPECT_EQ(slot, c.expectedSlot);
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, MouseClickTest,
    testing::Values(ClickCase{"OtherDay", unitX(0, 3), rowY(5), 0, 5, 0},
                    ClickCase{"HeadingRowGivesDay1", unitX(3, 3), 30, 3, 1, 0},
                    ClickCase{"BelowDay31GivesLastPresentDay", unitX(1, 2), rowY(33), 1, 28, 0},
                    ClickCase{"Day31OfShortMonth", unitX(3, 2), rowY(31), 3, 30, 0},
                    ClickCase{"RightOfLastColumnClamps", unitX(6, 2), rowY(4), 5, 4, 0},
                    ClickCase{"SameDayOtherColumnMoves", unitX(4, 10), rowY(10), 4, 10, 0},
                    ClickCase{"CursorDayLeftOfSlots", unitX(2, 8), rowY(10), 2, 10, 0},
                    ClickCase{"Slot1Start", unitX(2, 9), rowY(10), 2, 10, 1},
                    ClickCase{"Slot1End", unitX(2, 10), rowY(10), 2, 10, 1},
                    ClickCase{"Slot2", unitX(2, 11), rowY(10), 2, 10, 2},
                    ClickCase{"Slot3", unitX(2, 14), rowY(10), 2, 10, 3},
                    ClickCase{"Slot4Start", unitX(2, 15), rowY(10), 2, 10, 4},
                    ClickCase{"Slot4End", unitX(2, 16), rowY(10), 2, 10, 4},
                    ClickCase{"CursorDayRightOfSlots", unitX(2, 17), rowY(10), 2, 10, 0}),
    [](const testing::TestParamInfo<ClickCase>& info) { return info.param.name; });

TEST(MouseClick, DoubleClickIsAMoveThenASlot) {
    ViewPosition view = kFirstHalf2015;
    const DayCellTable cells = drawnCells(view);
    const int x = unitX(1, 12), y = rowY(20);
    EXPECT_EQ(placeCursorAtMouse(view, kLast, kUnits, x, y, cells), 0);
    EXPECT_EQ(placeCursorAtMouse(view, kLast, kUnits, x, y, cells), 2);
    EXPECT_EQ(view.cursorColumn, 1);
    EXPECT_EQ(view.cursorDay, 20);
}

TEST(MouseClick, BadInputLeavesTheCursor) {
    ViewPosition view{2015, 1, 2, 10};
    const DayCellTable cells = drawnCells(view);
    EXPECT_EQ(placeCursorAtMouse(view, kLast, LayoutUnits{0, 0}, 100, 100, cells), 0);
    EXPECT_EQ(placeCursorAtMouse(view, kLast, kUnits, -5, 100, cells), 0);
    EXPECT_EQ(view, (ViewPosition{2015, 1, 2, 10}));
}

} // namespace
