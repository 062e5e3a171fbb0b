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

TEST(NeighbouringPagesDays, SpanThePagesBeforeAndAfterWithinTheSupportedDays) {
    struct Case {
        ViewPosition view;
        int lastColumnIndex;
        DayNumber first, last;
    };
    const Case cases[] = {
        {{1985, 1}, 23, dayNumberOf(1983, 1, 1), dayNumberOf(1988, 12, 31)},
        {{2026, 12}, 5, dayNumberOf(2026, 6, 1), dayNumberOf(2027, 11, 30)},
        {{1970, 3}, 5, kFirstSupportedDay, dayNumberOf(1971, 2, 28)},
        {{2036, 1}, 23, dayNumberOf(2034, 1, 1), kLastSupportedDay},
    };
    for (const Case& c : cases) {
        const ShownDays days = neighbouringPagesDays(c.view, c.lastColumnIndex);
        EXPECT_EQ(days.first, c.first) << c.view.year << "-" << c.view.month;
        EXPECT_EQ(days.last, c.last) << c.view.year << "-" << c.view.month;
    }
}

TEST(CursorMonth, AddsTheColumnAcrossYears) {
    const WorkingDate month = cursorMonth(ViewPosition{2016, 11, 3, 1});
    EXPECT_EQ(month.year, 2017);
    EXPECT_EQ(month.month, 2);
    EXPECT_EQ(month.day, 1);
}

} // namespace
} // namespace tp
