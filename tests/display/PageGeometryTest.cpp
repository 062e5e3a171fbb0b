#include "display/PageGeometry.h"
#include "display/DayCellTable.h"
#include "display/SheetGeometry.h"
#include "model/ShiftSystem.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(PageGeometry, PageWidthFollowsTheColumnCount) {
    EXPECT_EQ(pageWidthUnits(5), 108);
    EXPECT_EQ(pageWidthUnits(23), 432);
}

TEST(PageGeometry, NavigationRowStartsAtFiveUnitsWithSixColumns) {
    for (const LayoutUnits units : {LayoutUnits{8, 15}, LayoutUnits{7, 13}, LayoutUnits{11, 21}}) {
        const MainWindowLayout layout = mainWindowLayout(units, pageWidthUnits(5));
        EXPECT_EQ(gadgetLayout(layout, Gadget::YearBack).rect.x, 5 * units.w);
        EXPECT_EQ(gadgetLayout(layout, Gadget::MoreColumns).rect.x, units.w);
        EXPECT_EQ(gadgetLayout(layout, Gadget::FewerColumns).rect.x, 104 * units.w);
    }
}

TEST(PageGeometry, GadgetTableAtEightByFifteen) {
    const LayoutUnits units{8, 15};
    const int pageWidth = pageWidthUnits(23);
    const MainWindowLayout layout = mainWindowLayout(units, pageWidth);
    const int x0 = (8 * 432 - 98 * 8) / 2;
    struct Expected {
        Gadget gadget;
        PixelRect rect;
    };
    // h = round(1.5 × 15) = 23 (22.5 rounds up), field height round(19.5) = 20.
    const Expected expected[] = {
        {Gadget::MoreColumns, {x0 - 32, 5, 24, 23}},
        {Gadget::PageBack, {x0 + 33 * 8, 5, 64, 23}},
        {Gadget::Info, {x0 + 90 * 8, 5, 64, 23}},
        {Gadget::Canvas, {0, 30, 8 * 432, 32 * 15 + 2}},
        {Gadget::InfoLine, {8, 519, 8 * 421, 20}},
        {Gadget::NoteLine, {8, 546, 8 * 424, 20}},
        {Gadget::AstronomyLine, {8, 573, 8 * 425, 20}},
        {Gadget::HoursField, {8 * 423, 519, 64, 20}},
        {Gadget::VacationField, {8 * 426, 546, 40, 20}},
        {Gadget::VacationBlockToggle, {8 * 427, 572, 32, 23}}, // 38.1 × 15 = 571.5
    };
    for (const Expected& entry : expected)
        EXPECT_EQ(gadgetLayout(layout, entry.gadget).rect, entry.rect)
            << "gadget " << static_cast<int>(entry.gadget);
    for (std::size_t i = 0; i < layout.size(); ++i)
        EXPECT_EQ(static_cast<std::size_t>(layout[i].gadget), i);
}

TEST(PageGeometry, WindowFitsOnlyStrictlyInsideTheDesktop) {
    const LayoutUnits units{8, 15};
    EXPECT_EQ(clientSize(units, 108), (PixelSize{864, 600}));
    EXPECT_TRUE(clientFitsDesktop(units, 108, {865, 601}));
    EXPECT_FALSE(clientFitsDesktop(units, 108, {864, 1000}));
    EXPECT_FALSE(clientFitsDesktop(units, 108, {1000, 600}));
    EXPECT_EQ(centredClientRect(units, 108, {1920, 1080}), (PixelRect{528, 240, 864, 600}));
}

TEST(PageGeometry, MouseMapsToColumnDayAndShiftSlot) {
    const LayoutUnits units{8, 15};
    EXPECT_EQ(columnAtClientX(units, 143), 0);
    EXPECT_EQ(columnAtClientX(units, 144), 1);
    EXPECT_EQ(dayRowAtClientY(units, 44), 0); // heading rows
    EXPECT_EQ(dayRowAtClientY(units, 45), 1);
    // Units 9–10, 11–12, 13–14, 15–16 of a column are slots 1..4; the rest hits none.
    const int expectedSlots[18] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 0};
    for (int column : {0, 3}) {
        for (int unit = 0; unit < 18; ++unit) {
            const int x = (18 * column + unit) * units.w + 3;
            EXPECT_EQ(shiftSlotAtClientX(units, x, column), expectedSlots[unit])
                << "column " << column << " unit " << unit;
        }
    }
}

TEST(PageGeometry, RoundsHalvesUp) {
    EXPECT_EQ(roundedTenths(15, 15), 23);
    EXPECT_EQ(roundedTenths(15, 16), 24);
    EXPECT_EQ(roundedTenths(346, 12), 415); // 415.2
    EXPECT_EQ(roundedTenths(13, 5), 7);     // 6.5
}

TEST(DayCellTable, KeepsDatesPerColumnAndReadsZeroOutside) {
    DayCellTable cells(2);
    cells.set(1, 30, dayCellCode(2016, 11, 30)); // the 0-based month of the note files
    EXPECT_EQ(cells.at(1, 30), 20161030);
    EXPECT_FALSE(cells.isPresent(1, 31));
    EXPECT_EQ(cells.at(2, 1), 0);
    EXPECT_EQ(cells.at(-1, 1), 0);
    EXPECT_EQ(cells.at(0, 32), 0);
    cells.set(5, 1, 1); // ignored, no crash
    cells.clearColumn(1);
    EXPECT_EQ(cells.at(1, 30), 0);
}

TEST(DayCellTable, CursorDayFallsBackToTheLastPresentDay) {
    DayCellTable cells(1);
    for (int day = 1; day <= 28; ++day)
        cells.set(0, day, dayCellCode(2015, 2, day));
    EXPECT_EQ(lastPresentDayAtOrBefore(cells, 0, 31), 28);
    EXPECT_EQ(lastPresentDayAtOrBefore(cells, 0, 12), 12);
}

TEST(SheetGeometry, WideAreaGivesAFullHeightSheetCentredHorizontally) {
    const SheetFrame frame = sheetFrameFor({2000, 500});
    EXPECT_EQ(frame.cellHeight, 500 / 40);
    EXPECT_EQ(frame.cellWidth, 720 / 48);
    EXPECT_EQ(frame.marginLeft, (2000 - 48 * 15) / 2);
    EXPECT_EQ(frame.marginTop, (500 - 40 * 12) / 2);
    EXPECT_EQ(frame.imageSize, (PixelSize{48 * 15 + 4, 40 * 12 + 4}));
}

TEST(SheetGeometry, NarrowAreaGivesAFullWidthSheet) {
    const SheetFrame frame = sheetFrameFor({864, 1000});
    EXPECT_EQ(frame.cellWidth, 864 / 48);
    EXPECT_EQ(frame.cellHeight, 600 / 40);
    EXPECT_EQ(frame.marginTop, (1000 - 40 * 15) / 2);
}

TEST(SheetGeometry, HalfYearAndHourFigure) {
    EXPECT_EQ(sheetFirstMonth(6), 1);
    EXPECT_EQ(sheetFirstMonth(7), 7);
    EXPECT_EQ(hourBalanceText(static_cast<double>(1982.76f), 1984.0), "-1.24");
    EXPECT_EQ(hourBalanceText(2000.0, 1984.5), "15.50");
    EXPECT_EQ(hourBalanceText(1984.001, 1984.0), "0.00");
}

} // namespace
} // namespace tp

namespace tp {
namespace {

// The page asks for the early and late shift only on days whose night shift is cancelled.
TEST(PlantHolidays, NoShiftIsCancelledWithoutTheNightShift) {
    for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
        if (isShiftCancelled(day, 1) || isShiftCancelled(day, 2)) {
            ASSERT_TRUE(isShiftCancelled(day, 3)) << day;
        }
    }
}

} // namespace
} // namespace tp
