#include "markings/SharedEntryMerge.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

using Markings = std::vector<ShiftMarking>;
using Bars = std::vector<CalendarBar>;

TEST(SharedEntryMergeTest, MarkingsOfBothInstallationsAreKeptDayByDay) {
    const Markings loaded{{100, 2, 0}, {101, 2, 1}, {102, 3, 2}};
    const Markings edited{{101, 2, 1}, {102, 3, 4}, {110, 1, 0}}; // 100 gone, 102 changed, 110 new
    const Markings onDisk{
        {100, 2, 0}, {101, 4, 5}, {102, 3, 2}, {120, 2, 2}}; // 101 changed, 120 new
    const auto merged = mergeMarkings(loaded, edited, onDisk);
    EXPECT_EQ(merged.records, (Markings{{101, 4, 5}, {102, 3, 4}, {110, 1, 0}, {120, 2, 2}}));
    EXPECT_EQ(merged.replacedEntries, 0);
}

TEST(SharedEntryMergeTest, WhereBothChangedADayThisInstallationWinsAndItIsCounted) {
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

TEST(SharedEntryMergeTest, UnchangedFileGivesThisInstallationsListSorted) {
    const Markings loaded{{5, 1, 0}, {3, 1, 0}};
    const Markings edited{{9, 2, 1}, {3, 1, 0}, {9, 4, 4}}; // a day twice: the first counts
    const auto merged = mergeMarkings(loaded, edited, loaded);
    EXPECT_EQ(merged.records, (Markings{{3, 1, 0}, {9, 2, 1}}));
    EXPECT_EQ(merged.replacedEntries, 0);
}

// Each case: the bars as loaded here, as edited here, as found on disk, and what is written.
struct BarMergeCase {
    const char* what;
    Bars loaded, edited, onDisk, written;
};

TEST(SharedEntryMergeTest, EveryBarThatNeitherSideDeletedStays) {
    const BarMergeCase cases[] = {
        {"a bar added over an unchanged one keeps both; the other side's new bar stays",
         {{14, 16, 1}},
         {{12, 18, 2}, {14, 16, 1}},
         {{1, 2, 3}, {14, 16, 1}},
         {{1, 2, 3}, {12, 18, 2}, {14, 16, 1}}},
        {"a bar extended there and a bar added here inside it",
         {{14, 16, 1}},
         {{14, 16, 1}, {18, 19, 2}},
         {{14, 20, 1}},
         {{14, 20, 1}, {18, 19, 2}}},
        {"a bar changed here replaces its old form only",
         {{10, 15, 1}, {30, 35, 2}},
         {{10, 15, 1}, {30, 40, 7}, {50, 55, 3}},
         {{10, 15, 9}, {30, 35, 2}, {53, 60, 4}},
         {{10, 15, 9}, {30, 40, 7}, {50, 55, 3}, {53, 60, 4}}},
        {"a bar deleted here goes, one deleted there stays deleted",
         {{1, 2, 1}, {5, 6, 2}},
         {{5, 6, 2}},
         {{1, 2, 1}},
         {}},
        {"the same bar entered on both sides is written once",
         {},
         {{7, 9, 4}},
         {{7, 9, 4}},
         {{7, 9, 4}}},
    };
    for (const BarMergeCase& c : cases) {
        const auto merged = mergeBars(c.loaded, c.edited, c.onDisk);
        EXPECT_EQ(merged.records, c.written) << c.what;
        EXPECT_EQ(merged.replacedEntries, 0) << c.what;
    }
}

} // namespace
} // namespace tp
