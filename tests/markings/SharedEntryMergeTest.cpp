#include "settings/SharedDataMerge.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

using Markings = std::vector<MarkingRecord>;
using Bars = std::vector<BarRecord>;

TEST(SharedDataMergeTest, MarkingsOfBothInstallationsAreKeptDayByDay) {
    const Markings loaded{{100, 2, 0}, {101, 2, 1}, {102, 3, 2}};
    const Markings edited{{101, 2, 1}, {102, 3, 4}, {110, 1, 0}}; // 100 gone, 102 changed, 110 new
    const Markings onDisk{
        {100, 2, 0}, {101, 4, 5}, {102, 3, 2}, {120, 2, 2}}; // 101 changed, 120 new
    const auto merged = mergeMarkings(loaded, edited, onDisk);
    EXPECT_EQ(merged.records, (Markings{{101, 4, 5}, {102, 3, 4}, {110, 1, 0}, {120, 2, 2}}));
    EXPECT_EQ(merged.replacedEntries, 0);
}

TEST(SharedDataMergeTest, WhereBothChangedADayThisInstallationWinsAndItIsCounted) {
    const Markings loaded{{100, 2, 0}, {101, 2, 0}, {102, 2, 0}};
    const Markings edited{{100, 2, 2}, {102, 2, 1}, {103, 1, 1}};
    const Markings onDisk{{100, 2, 4}, {102, 1, 3}, {103, 1, 1}}; // 101 deleted on both sides
    const auto merged = mergeMarkings(loaded, edited, onDisk);
    EXPECT_EQ(merged.records, (Markings{{100, 2, 2}, {102, 2, 1}, {103, 1, 1}}));
    EXPECT_EQ(merged.replacedEntries, 2); // 103 was added alike on both: no conflict

    // Deleted here, changed there: the deletion stands, the other's entry is counted.
    const auto deleted = mergeMarkings({{100, 2, 0}}, {}, {{100, 2, 3}});
    EXPECT_TRUE(deleted.records.empty());
    EXPECT_EQ(deleted.replacedEntries, 1);
}

TEST(SharedDataMergeTest, UnchangedFileGivesThisInstallationsListSorted) {
    const Markings loaded{{5, 1, 0}, {3, 1, 0}};
    const Markings edited{{9, 2, 1}, {3, 1, 0}, {9, 4, 4}}; // a day twice: the first counts
    const auto merged = mergeMarkings(loaded, edited, loaded);
    EXPECT_EQ(merged.records, (Markings{{3, 1, 0}, {9, 2, 1}}));
    EXPECT_EQ(merged.replacedEntries, 0);
}

TEST(SharedDataMergeTest, BarsMergeByFirstDayAndOverlapsGiveWayToThisInstallation) {
    const Bars loaded{{10, 15, 1}, {30, 35, 2}};
    const Bars edited{{10, 15, 1}, {30, 40, 7}, {50, 55, 3}};
    const Bars onDisk{{10, 15, 9}, {30, 35, 2}, {53, 60, 4}, {70, 71, 5}};
    const auto merged = mergeBars(loaded, edited, onDisk);
    EXPECT_EQ(merged.records, (Bars{{10, 15, 9}, {30, 40, 7}, {50, 55, 3}, {70, 71, 5}}));
    EXPECT_EQ(merged.replacedEntries, 1); // the bar 53..60 overlapped 50..55
}

} // namespace
} // namespace tp
