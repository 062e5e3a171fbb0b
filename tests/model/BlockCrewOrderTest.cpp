#include "model/BlockCrewOrder.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

using Row = std::array<int, 5>;

TEST(BlockCrewOrder, OneRotationMovesPeriodZeroToTheEnd) {
    BlockVacationTables tables = DefaultBlockVacationTables;
    rotateBlockCrewOrder(tables, 2026, 1); // 2026 is served by the second table
    EXPECT_EQ(tables[1][0], (Row{4, 0, 1, 2, 3}));
    EXPECT_EQ(tables[1][4], (Row{1, 2, 3, 4, 0}));
    EXPECT_EQ(tables[0], DefaultBlockVacationTables[0]);
    EXPECT_EQ(tables[2], DefaultBlockVacationTables[2]);
}

TEST(BlockCrewOrder, CountsAreTakenModuloFive) {
    const struct {
        int count;
        int sameAs;
    } cases[] = {{5, 0}, {7, 2}, {-1, 4}, {-5, 0}, {2'147'483'647, 2}, {-2'147'483'647 - 1, 2}};
    for (const auto& c : cases) {
        BlockVacationTables rotated = DefaultBlockVacationTables;
        rotateBlockCrewOrder(rotated, 2000, c.count);
        BlockVacationTables expected = DefaultBlockVacationTables;
        for (int i = 0; i < c.sameAs; ++i)
            rotateBlockCrewOrder(expected, 2000, 1);
        EXPECT_EQ(rotated, expected) << c.count;
    }
}

TEST(BlockCrewOrder, YearChoosesTheTable) {
    const struct {
        int year;
        std::size_t table;
    } cases[] = {{1970, 0}, {2016, 0}, {2017, 1}, {2027, 1}, {2028, 2}, {2037, 2}};
    for (const auto& c : cases) {
        BlockVacationTables tables = DefaultBlockVacationTables;
        rotateBlockCrewOrder(tables, c.year, 3);
        for (std::size_t t = 0; t < tables.size(); ++t)
            EXPECT_EQ(tables[t] == DefaultBlockVacationTables[t], t != c.table) << c.year;
        resetBlockCrewOrder(tables, c.year);
        EXPECT_EQ(tables, DefaultBlockVacationTables) << c.year;
    }
}

TEST(BlockCrewOrder, RotatedOrderDecidesWhoIsOnLeave) {
    ShiftSystem system;
    system.calendarType = CalendarType::WendringWerk;
    const int year = 2026;
    const auto secondCrew = static_cast<std::size_t>(DefaultBlockVacationTables[1][year % 5][1]);
    rotateBlockCrewOrder(system.blockVacationTables, year, 1);
    // The crew of the second period now has the first one.
    const DayNumber blockStart = computeBlockVacationStart(system, year);
    for (DayNumber day = blockStart; day < blockStart + 28; ++day) {
        CrewShifts crews{};
        computeCrewShifts(system, day, true, blockStart, crews);
        EXPECT_TRUE(crews[secondCrew] == FreeWeek || crews[secondCrew] == VacationFreeDay) << day;
    }
}

} // namespace
} // namespace tp
