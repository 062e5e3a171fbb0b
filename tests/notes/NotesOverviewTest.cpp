#include "notes/NotesOverview.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(NotesOverview, DatesNotesAndTheRuleOfToday) {
    test::TemporaryFolder folder;
    for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
             {"20150110.txt", "A"},
             {"110.jnt", "B\r\n\r\n"},
             {"20150129.txt", "kein Tag"}, // 29 February 2015 does not exist
             {"20150201.txt", "C"}})
        std::ofstream(folder.path() / name, std::ios::binary) << text;
    const NoteIndexes indexes = *readNoteIndexes(test::TestStore{}, folder.path());
    const std::vector<DayNumber> days = daysOfMonthColumns(2015, 2, 2);
    ASSERT_EQ(days.size(), 28u + 31u);
    const std::string rule(56, '_');

    const auto overview = [&](DayNumber today) {
        return buildNotesOverview(test::TestStore{}, folder.path(), indexes, "", days, today);
    };
    EXPECT_EQ(overview(dayNumberOf(2015, 2, 20)),
              "10.02.2015\r\nA\r\nB\r\n" + rule + "\r\n \r\n01.03.2015\r\nC");
    EXPECT_EQ(overview(dayNumberOf(2015, 3, 1)),
              "10.02.2015\r\nA\r\nB\r\n" + rule + "\r\n \r\n01.03.2015\r\nC");
    EXPECT_EQ(overview(dayNumberOf(2015, 2, 10)), "10.02.2015\r\nA\r\nB\r\n \r\n01.03.2015\r\nC");
    EXPECT_EQ(buildNotesOverview(test::TestStore{}, folder.path(), indexes, "",
                                 daysOfMonthColumns(2015, 4, 6), dayNumberOf(2015, 5, 1)),
              "");
}

} // namespace
} // namespace tp
