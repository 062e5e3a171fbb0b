#include "TemporaryFolder.h"
#include "accounts/AccountFiles.h"
#include "cli/Commands.h"
#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "platform/AtomicFile.h"
#include "platform/LittleEndian.h"
#include "support/CommandLineRun.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>
#include <limits>
#include <sstream>

namespace tp::cli {
namespace {

using test::CliRun;

CliRun run(const std::vector<std::string>& arguments) {
    return test::runCli(arguments);
}

class AccountsCommand : public testing::Test {
  protected:
    // Green (base crew 3) works on Wednesday 9 March 2016 and is off on 2 March.
    void SetUp() override {
        ASSERT_TRUE(saveHoursAccount(test::TestStore{}, folder.path(),
                                     {dayNumberOf(2016, 1, 1), 7.5f, false, 3, false})
                        .ok);
        ASSERT_TRUE(
            saveVacationAccount(test::TestStore{}, folder.path(), {dayNumberOf(2015, 2, 1), 12})
                .ok);
        ShiftMarkingList markings(
            {{dayNumberOf(2016, 3, 2), 2, ExtraWork}, {dayNumberOf(2016, 3, 9), 2, Vacation}});
        ASSERT_TRUE(saveShiftMarkings(test::TestStore{}, folder.path(), markings).ok);
    }

    CliRun accounts(std::vector<std::string> more) {
        std::vector<std::string> arguments{"accounts", "--data", folder.path().string()};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return run(arguments);
    }

    test::TemporaryFolder folder;
};

TEST_F(AccountsCommand, PrintsBothFieldsWithoutWriting) {
    const std::filesystem::path vacationFile = folder.path() / kVacationAccountFileName;
    std::string before, after;
    ASSERT_TRUE(readWholeFile(vacationFile, before));
    // 7,5 + 8 for the extra Wednesday; the account of 2015 starts afresh with 0 days on
    // 1 January 2016, less one for the vacation day.
    const CliRun result = accounts({"--today", "2016-06-15"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "hours\t  15,50\tblack\nvacation\t -1\n");
    ASSERT_TRUE(readWholeFile(vacationFile, after));
    EXPECT_EQ(after, before);
}

TEST_F(AccountsCommand, FourCrewSystemsHaveNoAccounts) {
    const CliRun result = accounts({"--today", "2016-06-15", "--type", "7"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "hours\t\tblack\nvacation\t\n");
}

TEST_F(AccountsCommand, MistakesGiveOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> mistakes{
        {"--today", "2016-02-30"},
        {},
        {"--today", "2016-06-15", "--type", "8"},
        {"--today", "2016-06-15", "--cycle", "-1"},
        {"--today", "2016-06-15", "--vacation-start", "4-25"},
    };
    for (const auto& arguments : mistakes) {
        const CliRun result = accounts(arguments);
        EXPECT_EQ(result.status, kUsageError);
        EXPECT_TRUE(result.out.empty());
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    std::filesystem::remove(folder.path() / kShiftMarkingFileName);
    std::filesystem::create_directory(folder.path() / kShiftMarkingFileName);
    EXPECT_EQ(accounts({"--today", "2016-06-15"}).status, kUsageError);
}

// Records no program could have written are dropped on load: the reports read as if the
// file held only its sound records.
TEST_F(AccountsCommand, DamagedMarkingsAndBarsChangeNoReport) {
    const DayNumber lastDay = dayNumberOf(2037, 12, 31);
    const auto record = [](std::vector<std::int32_t> numbers) {
        std::string bytes;
        for (const std::int32_t number : numbers)
            appendInt32(bytes, number);
        return bytes;
    };
    const auto marking = [](std::int32_t day) {
        std::string bytes;
        appendInt32(bytes, day);
        return bytes + std::string("\x02\x01", 2);
    };
    const DayNumber june1 = dayNumberOf(2016, 6, 1);
    CalendarBarList bars({{june1, june1 + 2, kDefaultBarColour}});
    bars.changed = true;
    ASSERT_TRUE(saveCalendarBars(test::TestStore{}, folder.path(), bars).ok);
    const std::vector<std::string> icsRun{"ics", "2016-03-01", "2016-06-30", "--data",
                                          folder.path().string()};
    // The calendar without its time stamps, which follow the clock.
    const auto calendar = [&] {
        std::istringstream lines(run(icsRun).out);
        std::string kept;
        for (std::string line; std::getline(lines, line);)
            if (!line.starts_with("DTSTAMP:"))
                kept += line + '\n';
        return kept;
    };
    const CliRun soundIcs = run(icsRun);
    const CliRun soundAccounts = accounts({"--today", "2016-06-15"});
    ASSERT_EQ(soundIcs.status, 0) << soundIcs.err;
    const std::string soundCalendar = calendar();

    const std::pair<const char*, std::string> damage[] = {
        {kShiftMarkingFileName, marking(2147483647)},
        {kShiftMarkingFileName, marking(-2147483647 - 1)},
        {kShiftMarkingFileName, marking(-1)},
        {kShiftMarkingFileName, marking(lastDay + 1)},
        {kCalendarBarFileName, record({-100000000, june1, 0})},
        {kCalendarBarFileName, record({june1, 2147483647, 0})},
        {kCalendarBarFileName, record({june1 + 5, june1 + 4, 0})},
        {kCalendarBarFileName, record({lastDay, lastDay + 1, 0})},
    };
    for (const auto& [fileName, bytes] : damage) {
        const std::filesystem::path file = folder.path() / fileName;
        std::string sound;
        ASSERT_TRUE(readWholeFile(file, sound));
        ASSERT_TRUE(writeFileAtomically(file, sound + bytes));
        EXPECT_EQ(calendar(), soundCalendar) << fileName;
        EXPECT_EQ(accounts({"--today", "2016-06-15"}).out, soundAccounts.out) << fileName;
        ASSERT_TRUE(writeFileAtomically(file, sound));
    }
    // The last day of the calendar is no damage.
    EXPECT_EQ(shiftMarkingsFromFileBytes(marking(lastDay)).entries().size(), 1u);
    EXPECT_EQ(calendarBarsFromFileBytes(record({lastDay, lastDay, 0})).bars().size(), 1u);
}

// Hours no program could have stored make the file one that could not be read: told, and
// left as it was.
TEST_F(AccountsCommand, DamagedHoursFileIsToldAndKept) {
    const std::filesystem::path file = folder.path() / kHoursAccountFileName;
    const float damaged[] = {1e10f, -100000.5f, std::numeric_limits<float>::infinity(),
                             std::numeric_limits<float>::quiet_NaN()};
    for (const float hours : damaged) {
        std::string bytes = hoursAccountFileBytes({dayNumberOf(2016, 1, 1), 8.0f, false, 3});
        bytes += hoursAccountFileBytes({dayNumberOf(2016, 1, 1), hours, false, 3});
        ASSERT_TRUE(writeFileAtomically(file, bytes));
        const CliRun result = accounts({"--today", "2016-06-15"});
        EXPECT_EQ(result.status, kUsageError) << hours;
        EXPECT_EQ(result.err, "accounts: Minusstunden.dat kann nicht gelesen werden\n");
        std::string after;
        ASSERT_TRUE(readWholeFile(file, after));
        EXPECT_EQ(after, bytes);
    }
    ASSERT_TRUE(writeFileAtomically(
        file, hoursAccountFileBytes({dayNumberOf(2016, 1, 1), -100000.0f, false, 3})));
    EXPECT_EQ(accounts({"--today", "2016-06-15"}).status, 0);
}

TEST(YearlyCommand, FiveCrewTable) {
    const CliRun result = run({"yearly", "2016"});
    ASSERT_EQ(result.status, 0) << result.err;
    std::istringstream lines(result.out);
    std::vector<std::string> rows;
    for (std::string line; std::getline(lines, line);)
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0], "Monat\tRot\tBlau\tGelb\tGrün\tBraun");
    EXPECT_TRUE(rows[3].starts_with("März\t")) << rows[3];
    EXPECT_TRUE(rows[13].starts_with("Summe\t")) << rows[13];
    EXPECT_EQ(rows[14], "Soll\t1982,76\t1982,76\t1982,76\t1982,76\t1982,76");
    EXPECT_EQ(result.out.back(), '\n');
}

TEST(YearlyCommand, DifferenceWithSignAndDecimalComma) {
    const CliRun plain = run({"yearly", "2016"});
    const std::size_t sum = plain.out.find("Summe\t") + 6;
    const std::string total = plain.out.substr(sum, plain.out.find('\t', sum) - sum);
    const int hours = std::stoi(total);
    // 1.24 above and 2.76 below the total's target.
    const CliRun above =
        run({"yearly", "2016", "--target38", std::to_string(hours) + ".76", "--type", "1"});
    EXPECT_NE(above.out.find("Ist\t-0,76"), std::string::npos) << above.out;
    const CliRun below = run({"yearly", "2016", "--target38", std::to_string(hours - 2) + ".76"});
    EXPECT_NE(below.out.find("Ist\t+1,24"), std::string::npos) << below.out;
}

TEST(YearlyCommand, TwoShiftAndFourCrewSystems) {
    const CliRun twoShift = run({"yearly", "2016", "--type", "2", "--target40", "2000.5"});
    ASSERT_EQ(twoShift.status, 0);
    EXPECT_TRUE(twoShift.out.starts_with("Monat\tRot\tBlau\tGelb\nJanuar\t")) << twoShift.out;
    EXPECT_NE(twoShift.out.find("\nSoll\t2000,5\t2000,5\t2000,5\n"), std::string::npos);
    const CliRun fourCrews = run({"yearly", "2016", "--type", "6"});
    EXPECT_EQ(fourCrews.status, 0);
    EXPECT_EQ(fourCrews.out, "");
    EXPECT_EQ(run({"yearly", "2048"}).status, kUsageError);
    EXPECT_EQ(run({"yearly", "2016", "--target38", "12,5"}).status, kUsageError);
}

} // namespace
} // namespace tp::cli
