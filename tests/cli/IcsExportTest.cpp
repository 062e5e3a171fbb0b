#include "accounts/AccountFiles.h"
#include "accounts/CrewEvents.h"
#include "accounts/ICalendarText.h"
#include "cli/Commands.h"
#include "support/CommandLineRun.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <thread>
#ifndef _WIN32
#include <sys/stat.h>
#endif
#include <set>
#include <sstream>

namespace tp {
namespace {

namespace fs = std::filesystem;
using cli::kWriteError;

constexpr CalendarType kPm1 = CalendarType::WendringPm1;

std::vector<CrewEvent> eventsOf(CalendarType type, int crew, DayNumber from, DayNumber to,
                                const ShiftMarkingList* markings = nullptr,
                                const CalendarBarList* bars = nullptr) {
    CrewCalendarRequest request;
    request.system.calendarType = type;
    request.crew = crew;
    request.from = from;
    request.to = to;
    request.markings = markings;
    request.bars = bars;
    return crewCalendarEvents(request);
}

// The first day of 2026 on which `crew` has `duty` under type 0.
DayNumber firstDayWith(int crew, int duty) {
    ShiftSystem system;
    for (DayNumber day = dayNumberOf(2026, 1, 5);; ++day)
        if (crewDutiesOfDay(system, day, true).crews[static_cast<std::size_t>(crew)] == duty &&
            weekdayOf(day) != Weekday::Sunday)
            return day;
}

struct TimesCase {
    const char* name;
    CalendarType type;
    int crew;
    DayNumber day;
    const char* summary;
    int start;
    int end;
};

TEST(CrewEvents, ShiftTimesFollowTheSheetsLegend) {
    const TimesCase cases[] = {
        {"early", kPm1, 0, dayNumberOf(2026, 7, 6), "Frühschicht", 360, 840},
        {"night into the next day", kPm1, 0, dayNumberOf(2026, 3, 28), "Nachtschicht", 1320, 1800},
        {"Sunday without late shift", kPm1, 0, dayNumberOf(2026, 3, 29), "Nachtschicht", 1080,
         1800},
        {"two shifts, late", CalendarType::WendringTwoShift, 0, dayNumberOf(2026, 1, 7),
         "Spätschicht", 870, 1380},
        {"four crews", CalendarType::BrellingKarton, 0, dayNumberOf(2026, 1, 5), "Spätschicht", 840,
         1320},
    };
    for (const TimesCase& wanted : cases) {
        SCOPED_TRACE(wanted.name);
        const auto events = eventsOf(wanted.type, wanted.crew, wanted.day, wanted.day);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0].summary, wanted.summary);
        EXPECT_FALSE(events[0].allDay);
        EXPECT_EQ(events[0].startMinute, wanted.start);
        EXPECT_EQ(events[0].endMinute, wanted.end);
    }
}

struct MarkingCase {
    const char* name;
    CalendarType type;
    int duty; // the crew's plan on the marked day
    int column;
    int code;
    const char* summary;
    bool allDay;
    int start;
};

TEST(CrewEvents, MarkingsReplaceThePlanOfTheirDay) {
    const MarkingCase cases[] = {
        {"vacation on a working day", kPm1, EarlyShift, 2, Vacation, "Urlaub", true, 0},
        {"paid absence", kPm1, NightShift, 4, PaidAbsence, "Ausfallbezahlung, kurzer Wechsel", true,
         0},
        {"sick on a day off", kPm1, FreeDay, 1, Sick, "Krank", true, 0},
        {"extra work in the late column", kPm1, FreeDay, 3, ExtraWork, "Arbeitseinsatz", false,
         840},
        {"extra work at disposal", kPm1, FreeDay, 1, ExtraWork, "Arbeitseinsatz", true, 0},
        {"extra work on a working day", kPm1, EarlyShift, 2, ExtraWork, "Frühschicht", false, 360},
        {"four crews: night", CalendarType::ValdorHalmstett, -1, 1, 2, "Nachtschicht", false, 1320},
        {"four crews: course", CalendarType::ValdorHalmstett, -1, 1, 5, "Lehrgang", true, 0},
        {"unknown code", kPm1, EarlyShift, 2, 9, "Frühschicht", false, 360},
    };
    for (const MarkingCase& wanted : cases) {
        SCOPED_TRACE(wanted.name);
        const DayNumber day =
            wanted.duty < 0 ? dayNumberOf(2026, 1, 5) : firstDayWith(0, wanted.duty);
        const auto plain = eventsOf(wanted.type, 0, day, day);
        ShiftMarkingList markings({{day, static_cast<std::int8_t>(wanted.column),
                                    static_cast<std::int8_t>(wanted.code)}});
        const auto marked = eventsOf(wanted.type, 0, day, day, &markings);
        ASSERT_EQ(marked.size(), 1u);
        EXPECT_EQ(marked[0].summary, wanted.summary);
        EXPECT_EQ(marked[0].allDay, wanted.allDay);
        EXPECT_EQ(marked[0].startMinute, wanted.start);
        if (!plain.empty()) {
            EXPECT_EQ(marked[0].uid, plain[0].uid);
        }
    }
}

TEST(CrewEvents, BlockVacationAndBarsAreAllDayEventsOverTheirDays) {
    const auto events = eventsOf(kPm1, 0, dayNumberOf(2026, 1, 1), dayNumberOf(2026, 12, 31));
    const auto block = std::find_if(events.begin(), events.end(),
                                    [](const CrewEvent& e) { return e.summary == "Blockurlaub"; });
    ASSERT_NE(block, events.end());
    EXPECT_EQ(block->lastDay - block->firstDay, 27);
    EXPECT_EQ(std::count_if(events.begin(), events.end(),
                            [](const CrewEvent& e) { return e.summary == "Blockurlaub"; }),
              1);

    CalendarBarList bars({{dayNumberOf(2026, 5, 4), dayNumberOf(2026, 5, 6), kDefaultBarColour},
                          {dayNumberOf(2026, 5, 4), dayNumberOf(2026, 5, 4), 0xFF}});
    const auto withBars =
        eventsOf(kPm1, 0, dayNumberOf(2026, 5, 1), dayNumberOf(2026, 5, 31), nullptr, &bars);
    std::vector<CrewEvent> barEvents;
    std::copy_if(withBars.begin(), withBars.end(), std::back_inserter(barEvents),
                 [](const CrewEvent& e) { return e.summary == "Kalendermarkierung"; });
    ASSERT_EQ(barEvents.size(), 2u);
    EXPECT_TRUE(barEvents[0].allDay);
    EXPECT_EQ(barEvents[0].lastDay - barEvents[0].firstDay, 2);
    EXPECT_NE(barEvents[0].uid, barEvents[1].uid);
}

std::set<std::string> uidsOf(const std::vector<CrewEvent>& events) {
    std::set<std::string> uids;
    for (const CrewEvent& event : events)
        uids.insert(event.uid);
    return uids;
}

TEST(CrewEvents, UidsStayWhenExportedAgainOrAMarkingChanges) {
    const DayNumber from = dayNumberOf(2026, 1, 1);
    const DayNumber to = dayNumberOf(2026, 12, 31);
    const DayNumber day = firstDayWith(0, LateShift);
    ShiftMarkingList markings({{day, 3, Vacation}});
    const auto before = eventsOf(kPm1, 0, from, to, &markings);
    EXPECT_EQ(uidsOf(before).size(), before.size());
    EXPECT_EQ(before, eventsOf(kPm1, 0, from, to, &markings));

    markings.put({day, 3, Sick});
    const auto after = eventsOf(kPm1, 0, from, to, &markings);
    EXPECT_EQ(uidsOf(after), uidsOf(before));
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        changed += before[i] == after[i] ? 0 : 1;
    EXPECT_EQ(changed, 1);
    // Another crew's calendar never shares a UID with this one.
    const auto blue = eventsOf(kPm1, 1, from, to);
    for (const std::string& uid : uidsOf(blue))
        EXPECT_EQ(uidsOf(before).count(uid), 0u);
}

TEST(CrewEvents, CrewNamesAsThePageNamesThem) {
    EXPECT_EQ(crewOfName("Rot", kPm1), 0);
    EXPECT_EQ(crewOfName("GRÜN", kPm1), 3);
    EXPECT_EQ(crewOfName("gruen", kPm1), 3);
    EXPECT_EQ(crewOfName("braun", kPm1), 4);
    EXPECT_EQ(crewOfName("braun", CalendarType::WendringTwoShift), std::nullopt);
    EXPECT_EQ(crewOfName("c", CalendarType::BrellingKarton), 2);
    EXPECT_EQ(crewOfName("rot", CalendarType::BrellingKarton), std::nullopt);
    EXPECT_EQ(crewOfName("A", kPm1), std::nullopt);
}

TEST(ICalendarText, LinesEndInCrLfAndAreFoldedAt75OctetsBetweenCharacters) {
    std::string longName = "Grün-Schicht ";
    for (int i = 0; i < 20; ++i)
        longName += "Frühschicht, ";
    std::vector<CrewEvent> events{{"1-dienst-rot@turnoplaner", longName, 10, 10, true, 0, 0}};
    const std::string text = iCalendarText(events, longName, 1'800'000'000);
    std::size_t lineStart = 0;
    std::string unfolded;
    while (lineStart < text.size()) {
        const std::size_t end = text.find("\r\n", lineStart);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(lineStart, end - lineStart);
        EXPECT_LE(line.size(), 75u);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        // A continuation never begins inside a character.
        if (line.starts_with(' ')) {
            EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80);
        }
        unfolded += line.starts_with(' ') ? line.substr(1) : "\n" + line;
        lineStart = end + 2;
    }
    for (const char* property :
         {"\nBEGIN:VCALENDAR", "\nVERSION:2.0", "\nPRODID:", "\nCALSCALE:GREGORIAN",
          "\nX-WR-CALNAME:Grün-Schicht Frühschicht\\, ", "\nDTSTAMP:20270115T080000Z",
          "\nDTSTART;VALUE=DATE:19700111", "\nDTEND;VALUE=DATE:19700112"})
        EXPECT_NE(unfolded.find(property), std::string::npos) << property;
}

using test::CliRun;

CliRun ics(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "ics");
    return test::runCli(arguments);
}

TEST(IcsCommand, MistakesGiveOneLineAndStatus2) {
    const std::vector<std::vector<std::string>> mistakes{
        {"2026-01-01", "2026-12-31"},
        {"2026-01-01", "2026-12-31", "--crew", "lila"},
        {"2026-01-01", "2026-12-31", "--crew", "grün", "--type", "2"},
        {"2026-01-01", "2026-12-31", "--crew", "E", "--type", "6"},
        {"2026-12-31", "2026-01-01", "--crew", "rot"},
        {"2026-01-01", "2037-08-01", "--crew", "rot"},
        {"2026-01-01", "2026-12-31", "--crew", "rot", "--cycle", "-1"},
        {"2026-01-01", "2026-12-31", "--crew", "rot", "--data", "/nonexistent-folder"},
        {"2026-01-01", "2026-12-31", "--crew", "rot", "--colour", "1"},
    };
    for (const auto& arguments : mistakes) {
        const CliRun run = ics(arguments);
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(IcsCommand, DataFolderGivesMarkingsBarsAndTheBaseCrew) {
    const test::TemporaryFolder folder;
    HoursAccount hours;
    hours.baseCrew = 1; // blau
    ASSERT_TRUE(saveHoursAccount(test::TestStore{}, folder.path(), hours).ok);
    const DayNumber day = dayNumberOf(2026, 6, 1);
    ShiftMarkingList markings({{day, 2, Course}});
    markings.changed = true;
    ASSERT_TRUE(saveShiftMarkings(test::TestStore{}, folder.path(), markings).ok);
    CalendarBarList bars({{day, day + 4, kDefaultBarColour}});
    bars.changed = true;
    ASSERT_TRUE(saveCalendarBars(test::TestStore{}, folder.path(), bars).ok);

    const std::string file = (folder.path() / "schichten.ics").string();
    const CliRun run =
        ics({"2026-06-01", "2026-06-07", "--data", folder.path().string(), "--out", file});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    std::string text;
    ASSERT_TRUE(readWholeFile(file, text));
    EXPECT_NE(text.find("X-WR-CALNAME:Turnoplaner Blau\r\n"), std::string::npos);
    EXPECT_NE(text.find("UID:20260601-dienst-blau@turnoplaner\r\n"), std::string::npos);
    EXPECT_NE(text.find("SUMMARY:Lehrgang\r\n"), std::string::npos);
    EXPECT_NE(text.find("SUMMARY:Kalendermarkierung\r\n"), std::string::npos);
    EXPECT_NE(text.find("DTEND;VALUE=DATE:20260606\r\n"), std::string::npos);
}

#ifndef _WIN32
// --out replaces a plain file whole, writes a link's target and leaves the link, and writes
// into a pipe or a device without putting a file in its place.
TEST(IcsCommand, OutputGoesWhereTheNameLeads) {
    const test::TemporaryFolder folder;
    const std::vector<std::string> calendar{"2026-06-01", "2026-06-02", "--crew", "rot"};
    const std::string expected = ics(calendar).out;
    const auto icsInto = [&](const fs::path& out) {
        std::vector<std::string> arguments = calendar;
        arguments.insert(arguments.end(), {"--out", out.string()});
        return ics(arguments);
    };
    // The reader of a pipe, started before the writer opens it.
    const auto readingPipe = [](const fs::path& pipe, std::string& received) {
        return std::thread([pipe, &received] {
            std::ifstream in(pipe, std::ios::binary);
            received.assign(std::istreambuf_iterator<char>(in), {});
        });
    };

    const fs::path plain = folder.path() / "plain.ics";
    ASSERT_TRUE(writeFileAtomically(plain, "old"));
    EXPECT_EQ(icsInto(plain).status, 0);
    std::string text;
    ASSERT_TRUE(readWholeFile(plain, text));
    EXPECT_EQ(text, expected);

    const fs::path target = folder.path() / "target.ics";
    const fs::path link = folder.path() / "link.ics";
    fs::create_symlink("target.ics", link); // relative to the link's folder, not yet there
    EXPECT_EQ(icsInto(link).status, 0);
    EXPECT_TRUE(fs::is_symlink(link));
    ASSERT_TRUE(readWholeFile(target, text));
    EXPECT_EQ(text, expected);

    const fs::path pipe = folder.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path linkToPipe = folder.path() / "stdout";
    fs::create_symlink(pipe, linkToPipe);
    for (const fs::path& out : {pipe, linkToPipe}) {
        std::string received;
        std::thread reader = readingPipe(pipe, received);
        const CliRun run = icsInto(out);
        reader.join();
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(received, expected) << out;
        EXPECT_TRUE(fs::is_fifo(pipe));
    }
    EXPECT_TRUE(fs::is_symlink(linkToPipe));

    const fs::path subfolder = folder.path() / "Ordner";
    fs::create_directory(subfolder);
    for (const std::string& out :
         {subfolder.string() + "/", subfolder.string(), (folder.path() / "fehlt").string() + "/"}) {
        const CliRun run = icsInto(out);
        EXPECT_EQ(run.status, kWriteError) << out;
        EXPECT_EQ(run.err,
                  "ics: " + out +
                      " kann nicht geschrieben werden: Unter dem Namen liegt ein Ordner\n");
    }
    EXPECT_TRUE(fs::is_empty(subfolder));
}
#endif

} // namespace
} // namespace tp
