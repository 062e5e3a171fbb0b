#include "model/ViewPosition.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(MoveViewByDays, MovesToTheMonthHoldingTheNewDay) {
    ViewPosition view{2016, 1, 2, 15};
    moveViewByDays(view, 31);
    EXPECT_EQ(view.year, 2016);
    EXPECT_EQ(view.month, 2);
    EXPECT_EQ(view.cursorDay, 15);
    EXPECT_EQ(view.cursorColumn, 2);

    moveViewByDays(view, -365);
    EXPECT_EQ(view.year, 2015);
    EXPECT_EQ(view.month, 2);
}

TEST(MoveViewByDays, CursorAbove28BecomesTheTwentyEighth) {
    ViewPosition view{2016, 5, 0, 31};
    moveViewByDays(view, 30);
    EXPECT_EQ(view.cursorDay, 28);
}

TEST(MoveViewByDays, StaysInsideTheSupportedRange) {
    ViewPosition late{2037, 6, 0, 1};
    moveViewByDays(late, 400);
    EXPECT_EQ(late.year, 2037);
    EXPECT_EQ(late.month, 7);

    ViewPosition early{1970, 2, 0, 1};
    moveViewByDays(early, -400);
    EXPECT_EQ(early.year, 1970);
    EXPECT_EQ(early.month, 1);
}

TEST(ShowDayFirst, PutsTheDayInColumnZero) {
    ViewPosition view{2016, 5, 3, 7};
    showDayFirst(view, dayNumberOf(2019, 8, 31));
    EXPECT_EQ(view, (ViewPosition{2019, 8, 0, 31}));
}

TEST(CursorMonth, AddsTheColumnAcrossYears) {
    const WorkingDate month = cursorMonth(ViewPosition{2016, 11, 3, 1});
    EXPECT_EQ(month.year, 2017);
    EXPECT_EQ(month.month, 2);
    EXPECT_EQ(month.day, 1);
}

} // namespace
} // namespace tp
