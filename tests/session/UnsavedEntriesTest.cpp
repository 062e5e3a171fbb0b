// What an end that could not save keeps for the next start, and saves that read a mended
// file again.
#include "session/Session.h"

#include "TemporaryFolder.h"
#include "markings/MarkingCodes.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

using namespace tp;

namespace {

namespace fs = std::filesystem;

const LocalDateTime kChristmasEve{2016, 12, 24, 9, 30, 0};

std::vector<ShiftMarking> markingsIn(const fs::path& folder) {
    return loadShiftMarkings(test::TestStore{}, folder).entries();
}
std::vector<CalendarBar> barsIn(const fs::path& folder) {
    return loadCalendarBars(test::TestStore{}, folder).bars();
}

} // namespace

// A file that could not be read at loading is read again by every save: once the user mended
// it, "Wiederholen" merges his edits with what the file holds.
TEST(SharedFolder, RetryReadsAMendedFileAgain) {
    const ShiftMarking ourMarking{17000, 2, Vacation}, otherMarking{17005, 1, Sick};
    const CalendarBar ourBar{17100, 17101, 0x00FF00}, otherBar{17200, 17201, 0xFF0000};
    for (const bool markingsUnreadable : {true, false}) {
        const char* fileName = markingsUnreadable ? kShiftMarkingFileName : kCalendarBarFileName;
        test::TemporaryFolder shared;
        fs::create_directory(shared.path() / fileName);
        FixedClock clock{kChristmasEve};
        SystemFileSystem files;
        Session session(files, clock);
        ASSERT_EQ(session.openDataFolder(shared.path(), {}).errors.size(), 1u);
        session.storeShiftMarking(ourMarking.day, ourMarking.column, ourMarking.code);
        CalendarBarList bars;
        saveBarEntry(bars, ourBar.start, ourBar.end, ourBar.colour);
        session.replaceCalendarBars(bars);
        const SessionReport refused = session.saveMarkingsAndBars();
        ASSERT_EQ(refused.errors.size(), 1u);
        EXPECT_NE(refused.errors[0].find("konnte nicht gelesen werden"), std::string::npos);

        // The user mends it: the file holds what another installation wrote.
        fs::remove(shared.path() / fileName);
        ShiftMarkingList otherMarkings({otherMarking});
        CalendarBarList otherBars({otherBar});
        ASSERT_TRUE(markingsUnreadable
                        ? saveShiftMarkings(test::TestStore{}, shared.path(), otherMarkings).ok
                        : saveCalendarBars(test::TestStore{}, shared.path(), otherBars).ok);
        EXPECT_TRUE(session.saveMarkingsAndBars().ok()) << fileName;
        EXPECT_EQ(
            markingsIn(shared.path()),
            (markingsUnreadable ? std::vector{ourMarking, otherMarking} : std::vector{ourMarking}));
        EXPECT_EQ(barsIn(shared.path()),
                  (markingsUnreadable ? std::vector{ourBar} : std::vector{ourBar, otherBar}));
    }
}
