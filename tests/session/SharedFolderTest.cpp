// Installations that share one data folder, and saves that fail half-way.
#include "session/Session.h"

#include "FaultyDisk.h"
#include "TemporaryFolder.h"
#include "markings/MarkingCodes.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

#include <fstream>

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tp;

namespace {

namespace fs = std::filesystem;

const LocalDateTime kChristmasEve{2016, 12, 24, 9, 30, 0};

// One installation on the shared folder, its data read as at a start.
struct Installation {
    explicit Installation(const fs::path& folder, FileSystem* failing = nullptr)
        : session(failing ? *failing : files, clock) {
        opened = session.openDataFolder(folder, {});
    }
    FixedClock clock{kChristmasEve};
    SystemFileSystem files;
    Session session;
    SessionReport opened;
};

std::vector<ShiftMarking> markingsIn(const fs::path& folder) {
    return loadShiftMarkings(test::TestStore{}, folder).entries();
}
std::vector<CalendarBar> barsIn(const fs::path& folder) {
    return loadCalendarBars(test::TestStore{}, folder).bars();
}

// Both installations quit, in either order: what each entered on days of its own survives.
class TwoInstallationsOnOneFolder : public testing::TestWithParam<bool> {};

TEST_P(TwoInstallationsOnOneFolder, KeepEveryEntryOfBoth) {
    test::TemporaryFolder shared;
    {
        Installation before(shared.path());
        before.session.storeShiftMarking(17000, 2, ExtraWork);
        CalendarBarList bars;
        saveBarEntry(bars, 17100, 17105, 0x00FF00);
        before.session.replaceCalendarBars(bars);
        ASSERT_TRUE(before.session.saveMarkingsAndBars().ok());
    }
    Installation first(shared.path());
    Installation second(shared.path());
    first.session.storeShiftMarking(17001, 2, Vacation);
    first.session.storeShiftMarking(17000, 3, TimeOff); // changes the marking both read
    CalendarBarList firstBars = first.session.state().calendarBars;
    saveBarEntry(firstBars, 17200, 17210, 0xFF0000);
    first.session.replaceCalendarBars(firstBars);
    second.session.storeShiftMarking(17002, 4, Sick);
    second.session.storeShiftMarking(17003, 1, Course);

    Session& quitsFirst = GetParam() ? first.session : second.session;
    Session& quitsLast = GetParam() ? second.session : first.session;
    const SessionReport early = quitsFirst.saveMarkingsAndBars();
    const SessionReport late = quitsLast.saveMarkingsAndBars();
    EXPECT_TRUE(early.ok() && early.notices.empty());
    EXPECT_TRUE(late.ok() && late.notices.empty());

    const std::vector<ShiftMarking> expected{
        {17000, 3, TimeOff}, {17001, 2, Vacation}, {17002, 4, Sick}, {17003, 1, Course}};
    EXPECT_EQ(markingsIn(shared.path()), expected);
    EXPECT_EQ(quitsLast.state().shiftMarkings.entries(), expected);
    EXPECT_EQ(barsIn(shared.path()),
              (std::vector<CalendarBar>{{17100, 17105, 0x00FF00}, {17200, 17210, 0xFF0000}}));
}

INSTANTIATE_TEST_SUITE_P(EitherOrder, TwoInstallationsOnOneFolder, testing::Bool());

// A adds a bar, B adds one over an unchanged bar: nobody deleted the unchanged one.
TEST(SharedFolder, BarsNobodyDeletedStay) {
    test::TemporaryFolder shared;
    {
        Installation before(shared.path());
        CalendarBarList bars;
        saveBarEntry(bars, 17514, 17516, 0x00FF00); // 14..16 December 2017
        before.session.replaceCalendarBars(bars);
        ASSERT_TRUE(before.session.saveMarkingsAndBars().ok());
    }
    Installation a(shared.path());
    Installation b(shared.path());
    CalendarBarList aBars = a.session.state().calendarBars;
    saveBarEntry(aBars, 17501, 17502, 0x0000FF);
    a.session.replaceCalendarBars(aBars);
    CalendarBarList bBars = b.session.state().calendarBars;
    saveBarEntry(bBars, 17512, 17518, 0xFF0000);
    b.session.replaceCalendarBars(bBars);
    ASSERT_TRUE(a.session.saveMarkingsAndBars().ok());
    ASSERT_TRUE(b.session.saveMarkingsAndBars().ok());
    EXPECT_EQ(barsIn(shared.path()),
              (std::vector<CalendarBar>{
                  {17501, 17502, 0x0000FF}, {17512, 17518, 0xFF0000}, {17514, 17516, 0x00FF00}}));
}

// B saves vacation days and a base crew while A's hours window is open; A then saves hours:
// B's crew and days stay.
TEST(SharedFolder, AccountWindowsWriteOnlyWhatTheUserChanged) {
    test::TemporaryFolder shared;
    Installation a(shared.path());
    Installation b(shared.path());
    const auto hoursOpenInA = a.session.hoursForEntry();
    ASSERT_TRUE(hoursOpenInA.account);

    SessionReport report;
    const auto vacationOpenInB = b.session.vacationForEntry(report);
    ASSERT_TRUE(vacationOpenInB.account);
    VacationEntry enteredInB = *vacationOpenInB.account;
    enteredInB.vacation = {dayNumberOf(2016, 12, 1), 25};
    enteredInB.baseCrew = 1; // "blau"
    ASSERT_TRUE(b.session.saveVacationEntry(*vacationOpenInB.account, enteredInB).ok());

    HoursAccount enteredInA = *hoursOpenInA.account;
    enteredInA.startDay = dayNumberOf(2016, 12, 1);
    enteredInA.hours = 10.0f;
    ASSERT_TRUE(a.session.saveHoursEntry(*hoursOpenInA.account, enteredInA).ok());

    const auto hours = loadHoursAccount(test::TestStore{}, shared.path()).account;
    EXPECT_EQ(hours.baseCrew, 1);
    EXPECT_EQ(hours.hours, 10.0f);
    EXPECT_EQ(loadVacationAccount(test::TestStore{}, shared.path()).account.remainingDays, 25);
}

// Both installations changed a field of an account: the later save is told which value from
// there it replaced; a field only one of them changed is merged without a word.
TEST(SharedFolder, AccountFieldChangedOnBothIsTold) {
    const struct {
        HoursAccount there, here;                  // entered in the hours window
        VacationEntry vacationThere, vacationHere; // or else in the vacation window
        const char* file;
        std::string told;
    } cases[] = {
        {{17001, 7.3f, true, 1, true},
         {17002, 1.0f, false, 2, true},
         {},
         {},
         "Minusstunden.dat",
         "Stunden am 19.07.2016 (jetzt 20.07.2016); Stunden 7:30 (jetzt 1,00); Stammschicht "
         "blau (jetzt gelb)"},
        {{17000, 0.0f, false, 0, false}, {0, 3.0f, false, 4, false}, {}, {}, "", ""},
        {{},
         {},
         {{17160, 20}, 0},
         {{17161, 25}, 0},
         "Urlaubstage.dat",
         "Resturlaub am 25.12.2016 (jetzt 26.12.2016); Tage 20 (jetzt 25)"},
    };
    for (const auto& c : cases) {
        test::TemporaryFolder shared;
        Installation a(shared.path());
        Installation b(shared.path());
        SessionReport report;
        if (c.vacationHere.vacation.startDay != 0) {
            const VacationEntry opened = *a.session.vacationForEntry(report).account;
            ASSERT_TRUE(b.session.saveVacationEntry(opened, c.vacationThere).ok());
            report = a.session.saveVacationEntry(opened, c.vacationHere);
        } else {
            const HoursAccount opened = *a.session.hoursForEntry().account;
            ASSERT_TRUE(b.session.saveHoursEntry(opened, c.there).ok());
            report = a.session.saveHoursEntry(opened, c.here);
        }
        EXPECT_TRUE(report.ok());
        EXPECT_EQ(
            report.notices,
            c.told.empty()
                ? std::vector<std::string>{}
                : std::vector<std::string>{
                      "Die Datei \"" + std::string(c.file) +
                      "\" wurde inzwischen an einem anderen Rechner geändert. Werte von dort, "
                      "die durch die hier eingegebenen ersetzt wurden: " +
                      c.told + ". Alle übrigen Werte bleiben erhalten."});
    }
}

// A failure in the middle of the end's saves: the markings were written, the bars not; the
// bars file stays as it was, and the user is told each time.
TEST(SharedFolder, FailureMidSaveKeepsTheOldFileAndIsToldEachTime) {
    for (const char* reason : {"Kein Speicherplatz mehr auf dem Datenträger",
                               "Ein- oder Ausgabefehler", "Der Datenträger ist schreibgeschützt"}) {
        test::TemporaryFolder shared;
        {
            Installation before(shared.path());
            CalendarBarList bars;
            saveBarEntry(bars, 17100, 17105, 0x00FF00);
            before.session.replaceCalendarBars(bars);
            ASSERT_TRUE(before.session.saveMarkingsAndBars().ok());
        }
        // The markings are written, the bars and every later replacement fail.
        test::FaultyDisk disk({.operation = test::DiskOperation::Replace,
                               .nthCall = 2,
                               .reason = reason,
                               .andLater = true});
        Installation run(shared.path(), &disk);
        run.session.storeShiftMarking(17000, 2, Vacation);
        CalendarBarList bars = run.session.state().calendarBars;
        saveBarEntry(bars, 17200, 17201, 0xFF0000);
        run.session.replaceCalendarBars(bars);

        for (int attempt = 0; attempt < 2; ++attempt) {
            const SessionReport report = run.session.saveMarkingsAndBars();
            ASSERT_EQ(report.errors.size(), 1u);
            EXPECT_EQ(report.errors[0],
                      std::string("Die Datei \"Kalendermarkierung.dat\" konnte nicht geschrieben "
                                  "werden: ") +
                          reason);
        }
        EXPECT_EQ(markingsIn(shared.path()).size(), 1u);
        EXPECT_EQ(barsIn(shared.path()), (std::vector<CalendarBar>{{17100, 17105, 0x00FF00}}));
        EXPECT_TRUE(run.session.state().calendarBars.changed);
    }
}

// Files that exist but cannot be read are never replaced or deleted: a folder under the
// markings' name, a pipe under a note's name.
TEST(SharedFolder, UnreadableFilesAreNeverReplaced) {
    test::TemporaryFolder shared;
    fs::create_directory(shared.path() / "Schichtmarkierung.dat");
    Installation run(shared.path());
    ASSERT_EQ(run.opened.errors.size(), 1u);
    run.session.storeShiftMarking(17000, 2, Vacation);
    const SessionReport report = run.session.saveMarkingsAndBars();
    ASSERT_EQ(report.errors.size(), 1u);
    EXPECT_NE(report.errors[0].find("konnte nicht gelesen werden"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(shared.path() / "Schichtmarkierung.dat"));
#ifndef _WIN32
    const fs::path note = shared.path() / "20161124.txt";
    ASSERT_EQ(::mkfifo(note.c_str(), 0600), 0);
    EXPECT_EQ(run.session.note("20161124.txt").status, DataFileStatus::Unreadable);
    EXPECT_FALSE(run.session.saveNote(NoteKind::Day, "20161124.txt", "", std::nullopt).ok());
    EXPECT_TRUE(fs::is_fifo(note));
#endif
}

#ifndef _WIN32
// Two installations, each with three new markings and a new bar, end at the same moment (a
// shutdown sends both the signal): the lock keeps every entry of both, try after try.
TEST(SharedFolder, TwoInstallationsEndingTogetherLoseNothing) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        test::TemporaryFolder shared;
        int ready[2], go[2];
        ASSERT_EQ(::pipe(ready), 0);
        ASSERT_EQ(::pipe(go), 0);
        pid_t children[2];
        for (int child = 0; child < 2; ++child) {
            children[child] = ::fork();
            ASSERT_GE(children[child], 0);
            if (children[child] == 0) {
                ::close(go[1]);
                Installation run(shared.path());
                for (int i = 0; i < 3; ++i)
                    run.session.storeShiftMarking(17000 + 10 * child + i, 2, Vacation);
                CalendarBarList bars = run.session.state().calendarBars;
                saveBarEntry(bars, 17100 + 10 * child, 17101 + 10 * child, 0xFF);
                run.session.replaceCalendarBars(bars);
                char byte = 1;
                [[maybe_unused]] auto written = ::write(ready[1], &byte, 1);
                [[maybe_unused]] auto read = ::read(go[0], &byte, 1); // both wait for the end
                ::_exit(run.session.saveMarkingsAndBars().ok() ? 0 : 1);
            }
        }
        char bytes[2];
        for (int got = 0; got < 2;) {
            const auto count = ::read(ready[0], bytes, 2 - got);
            ASSERT_GT(count, 0);
            got += static_cast<int>(count);
        }
        ::close(go[1]); // the end reaches both at once
        for (const pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        for (int end : {ready[0], ready[1], go[0]})
            ::close(end);
        EXPECT_EQ(markingsIn(shared.path()).size(), 6u) << "try " << attempt;
        EXPECT_EQ(barsIn(shared.path()).size(), 2u) << "try " << attempt;
    }
}
#endif

} // namespace
