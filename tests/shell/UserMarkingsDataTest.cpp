#include "shell/UserMarkingsData.h"
#include "TemporaryFolder.h"
#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

const DayNumber kToday = dayNumberOf(2016, 12, 24);

// One installation's running state on the shared folder, its data read as at start-up.
AppState startedOn(const std::filesystem::path& folder) {
    AppState state;
    state.dataFolder = folder;
    EXPECT_TRUE(loadMarkingsAndAccounts(state, kToday).errors.empty());
    return state;
}

void mark(AppState& state, DayNumber day, int column, int code) {
    storeShiftMarking(state.shiftMarkings, state.calendarType, day, column, code);
    state.shiftMarkingsChanged = true;
}

void addBar(AppState& state, DayNumber start, DayNumber end, std::uint32_t colour) {
    saveBarEntry(state.calendarBars, start, end, colour);
    state.calendarBarsChanged = true;
}

// Both installations quit, in either order: what each entered on days of its own survives.
class TwoInstallationsOnOneFolder : public testing::TestWithParam<bool> {};

TEST_P(TwoInstallationsOnOneFolder, KeepEveryEntryOfBoth) {
    test::TemporaryFolder shared;
    {
        AppState before = startedOn(shared.path());
        mark(before, 17000, 2, ExtraWork);
        addBar(before, 17100, 17105, 0x00FF00);
        ASSERT_TRUE(saveMarkingsAndBars(before).errors.empty());
    }
    AppState first = startedOn(shared.path());
    AppState second = startedOn(shared.path());
    mark(first, 17001, 2, Vacation);
    mark(first, 17000, 3, TimeOff); // changes the marking both read
    addBar(first, 17200, 17210, 0xFF0000);
    mark(second, 17002, 4, Sick);
    mark(second, 17003, 1, Course);

    AppState& quitsFirst = GetParam() ? first : second;
    AppState& quitsLast = GetParam() ? second : first;
    const UserDataReport early = saveMarkingsAndBars(quitsFirst);
    const UserDataReport late = saveMarkingsAndBars(quitsLast);
    EXPECT_TRUE(early.errors.empty() && early.notices.empty());
    EXPECT_TRUE(late.errors.empty() && late.notices.empty());

    const std::vector<ShiftMarking> expected{
        {17000, 3, TimeOff}, {17001, 2, Vacation}, {17002, 4, Sick}, {17003, 1, Course}};
    EXPECT_EQ(loadShiftMarkings(shared.path()).entries(), expected);
    EXPECT_EQ(quitsLast.shiftMarkings.entries(), expected);
    const std::vector<CalendarBar> bars{{17100, 17105, 0x00FF00}, {17200, 17210, 0xFF0000}};
    EXPECT_EQ(loadCalendarBars(shared.path()).bars(), bars);
}

INSTANTIATE_TEST_SUITE_P(EitherOrder, TwoInstallationsOnOneFolder, testing::Bool());

TEST(SharedMarkingFile, SameDayChangedOnBothSidesKeepsThisOneAndSaysHowMany) {
    test::TemporaryFolder shared;
    AppState first = startedOn(shared.path());
    AppState second = startedOn(shared.path());
    mark(first, 17000, 2, Vacation);
    mark(first, 17001, 2, Vacation);
    addBar(first, 17100, 17110, 0x0000FF);
    mark(second, 17000, 3, Sick);
    mark(second, 17005, 3, Sick);
    addBar(second, 17104, 17120, 0x00FF00); // overlaps the other's bar
    ASSERT_TRUE(saveMarkingsAndBars(first).notices.empty());

    const UserDataReport report = saveMarkingsAndBars(second);
    EXPECT_TRUE(report.errors.empty());
    ASSERT_EQ(report.notices.size(), 2u);
    EXPECT_NE(report.notices[0].find("\"Schichtmarkierung.dat\""), std::string::npos);
    EXPECT_NE(report.notices[0].find("ersetzt wurden: 1."), std::string::npos);
    EXPECT_NE(report.notices[1].find("\"Kalendermarkierung.dat\""), std::string::npos);

    const std::vector<ShiftMarking> expected{
        {17000, 3, Sick}, {17001, 2, Vacation}, {17005, 3, Sick}};
    EXPECT_EQ(loadShiftMarkings(shared.path()).entries(), expected);
    EXPECT_EQ(loadCalendarBars(shared.path()).bars(),
              std::vector<CalendarBar>({{17104, 17120, 0x00FF00}}));
}

TEST(SharedMarkingFile, FileThatCannotBeWrittenIsReportedOnceAndTheEntriesStay) {
    test::TemporaryFolder shared;
    AppState state;
    state.dataFolder = shared.path() / "gone";
    mark(state, 17000, 2, Vacation);
    const UserDataReport report = saveMarkingsAndBars(state);
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_NE(report.errors[0].find("konnte nicht geschrieben werden"), std::string::npos);
    EXPECT_EQ(state.shiftMarkings.entries().size(), 1u);
    EXPECT_TRUE(state.shiftMarkingsChanged);
    mark(state, 17001, 2, Vacation);
    EXPECT_TRUE(saveMarkingsAndBars(state).errors.empty());
    EXPECT_TRUE(state.shiftMarkingsChanged);
}

} // namespace
} // namespace tp
