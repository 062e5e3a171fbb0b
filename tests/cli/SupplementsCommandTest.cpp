#include "cli/CommandLine.h"
#include "holidays/Holidays.h"
#include "markings/ShiftMarkings.h"
#include "model/ShiftSystem.h"
#include "support/CommandLineRun.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <sstream>

namespace tp {
namespace {

using test::CliRun;
using test::runCli;

constexpr const char* kHeader = "Zeitraum\tArbeitsstunden\tNacht 25 %\tNacht 40 %\tSonntag 50 %\t"
                                "Feiertag 125 %\tFeiertag 150 %";

// Minutes: worked, then the five classes in the order of the columns.
using Minutes = std::array<long, 6>;

// The summer time of the years the comparison covers, from the published dates.
bool isSummerTimeUtc(long utcMinute) {
    const long changes[][2] = {{dayNumberOf(2026, 3, 29), dayNumberOf(2026, 10, 25)},
                               {dayNumberOf(2027, 3, 28), dayNumberOf(2027, 10, 31)},
                               {dayNumberOf(2028, 3, 26), dayNumberOf(2028, 10, 29)}};
    for (const auto& [spring, autumn] : changes)
        if (utcMinute >= spring * 1440 + 60 && utcMinute < autumn * 1440 + 60)
            return true;
    return false;
}

// 0 none, 1 Sunday, 2 holiday 125 %, 3 holiday 150 %: the day class of a local minute.
int dayClassOf(DayNumber day, int minuteOfDay) {
    const CivilDate date = civilFromDayNumber(day);
    const bool fromTwo = minuteOfDay >= 14 * 60;
    const auto is = [&](int month, int dayOfMonth) {
        return date.month == month && date.day == dayOfMonth;
    };
    if (is(12, 25) || is(12, 26) || is(5, 1) || (is(12, 24) && fromTwo))
        return 3;
    if (isPublicHoliday(day) || (is(12, 31) && fromTwo))
        return 2;
    return weekdayOf(day) == Weekday::Sunday ? 1 : 0;
}

// The rule applied minute by minute to one exported shift, walking real time.
Minutes minutesOfShift(DayNumber startDay, int startMinute, DayNumber endDay, int endMinute) {
    const auto toUtc = [](DayNumber day, int minute) {
        const long local = long{day} * 1440 + minute;
        // Local times of shifts never fall in the hour of a change.
        return isSummerTimeUtc(local - 120) ? local - 120 : local - 60;
    };
    Minutes minutes{};
    for (long utc = toUtc(startDay, startMinute); utc < toUtc(endDay, endMinute); ++utc) {
        const long local = utc + (isSummerTimeUtc(utc) ? 120 : 60);
        const auto day = static_cast<DayNumber>(local / 1440);
        const int minuteOfDay = static_cast<int>(local % 1440);
        const bool carriedOver = day > startDay && minuteOfDay < 240;
        ++minutes[0];
        if (carriedOver)
            ++minutes[2];
        else if (minuteOfDay < 360 || minuteOfDay >= 1200)
            ++minutes[1];
        int dayClass = dayClassOf(day, minuteOfDay);
        if (carriedOver)
            dayClass = std::max(dayClass, dayClassOf(day - 1, 1439));
        if (dayClass > 0)
            ++minutes[static_cast<std::size_t>(2 + dayClass)];
    }
    return minutes;
}

// "DTSTART;TZID=Europe/Berlin:20261224T140000" -> day and minute.
std::pair<DayNumber, int> localTimeOf(const std::string& line) {
    const std::string value = line.substr(line.find(':') + 1);
    const DayNumber day = dayNumberOf(std::stoi(value.substr(0, 4)), std::stoi(value.substr(4, 2)),
                                      std::stoi(value.substr(6, 2)));
    return {day, std::stoi(value.substr(9, 2)) * 60 + std::stoi(value.substr(11, 2))};
}

// The timed events of a calendar export, summed per period key of their first day.
std::map<std::string, Minutes> minutesOfExport(const std::string& ics, bool byDay) {
    std::map<std::string, Minutes> periods;
    std::istringstream lines(ics);
    std::string line;
    std::pair<DayNumber, int> start{};
    while (std::getline(lines, line)) {
        if (line.starts_with("DTSTART;TZID="))
            start = localTimeOf(line);
        if (!line.starts_with("DTEND;TZID="))
            continue;
        const auto end = localTimeOf(line);
        const Minutes minutes = minutesOfShift(start.first, start.second, end.first, end.second);
        const std::string key = cli::isoDateText(start.first);
        Minutes& sum = periods[byDay ? key : key.substr(0, 7)];
        for (std::size_t i = 0; i < sum.size(); ++i)
            sum[i] += minutes[i];
    }
    return periods;
}

std::string hoursOf(long minutes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(minutes) / 60.0);
    std::string hours = text;
    std::replace(hours.begin(), hours.end(), '.', ',');
    return hours;
}

// The statement the rule gives for the export: every period of `periods`, then the sum.
std::string expectedStatement(const std::map<std::string, Minutes>& exported,
                              const std::vector<std::string>& periods) {
    std::string text = std::string(kHeader) + "\n";
    Minutes total{};
    for (const std::string& period : periods) {
        const auto found = exported.find(period);
        const Minutes minutes = found == exported.end() ? Minutes{} : found->second;
        text += period;
        for (std::size_t i = 0; i < minutes.size(); ++i) {
            text += "\t" + hoursOf(minutes[i]);
            total[i] += minutes[i];
        }
        text += "\n";
    }
    text += "Summe";
    for (const long minutes : total)
        text += "\t" + hoursOf(minutes);
    return text + "\n";
}

std::vector<std::string> periodsOf(DayNumber from, DayNumber to, bool byDay) {
    std::vector<std::string> periods;
    for (DayNumber day = from; day <= to; ++day) {
        const std::string key = cli::isoDateText(day);
        const std::string period = byDay ? key : key.substr(0, 7);
        if (periods.empty() || periods.back() != period)
            periods.push_back(period);
    }
    return periods;
}

// Compares the statement with the rule applied to the crew's calendar export.
void expectStatementAgreesWithExport(std::vector<std::string> options, DayNumber from, DayNumber to,
                                     bool byDay) {
    std::vector<std::string> ics{"ics", cli::isoDateText(from), cli::isoDateText(to)};
    ics.insert(ics.end(), options.begin(), options.end());
    const CliRun exported = runCli(ics);
    ASSERT_EQ(exported.status, 0) << exported.err;
    std::vector<std::string> supplements{"supplements", cli::isoDateText(from),
                                         cli::isoDateText(to), "--by", byDay ? "day" : "month"};
    supplements.insert(supplements.end(), options.begin(), options.end());
    const CliRun statement = runCli(supplements);
    ASSERT_EQ(statement.status, 0) << statement.err;
    EXPECT_TRUE(statement.err.empty());
    EXPECT_EQ(statement.out,
              expectedStatement(minutesOfExport(exported.out, byDay), periodsOf(from, to, byDay)));
}

std::vector<std::string> crewsOf(int type) {
    if (isFourCrew(*calendarTypeFromNumber(type)))
        return {"A", "B", "C", "D"};
    if (type == 2)
        return {"rot", "blau", "gelb"};
    return {"rot", "blau", "gelb", "grün", "braun"};
}

// Easter and the spring change of 2026 and 2027, the autumn changes, Whitsun and Christmas.
const std::pair<CivilDate, CivilDate> kDayRanges[] = {
    {{2026, 3, 26}, {2026, 4, 8}},    {{2026, 5, 22}, {2026, 5, 26}},
    {{2026, 10, 22}, {2026, 10, 27}}, {{2026, 12, 22}, {2027, 1, 2}},
    {{2027, 3, 24}, {2027, 4, 1}},    {{2027, 10, 28}, {2027, 11, 2}},
};

TEST(SupplementsCommand, EveryCrewAgreesWithItsCalendarExport) {
    for (const int type : {0, 1, 2, 3, 4, 6, 7}) {
        for (const std::string& crew : crewsOf(type)) {
            SCOPED_TRACE("type " + std::to_string(type) + ", crew " + crew);
            const std::vector<std::string> options{"--type", std::to_string(type), "--crew", crew};
            expectStatementAgreesWithExport(options, dayNumberOf(2026, 1, 1),
                                            dayNumberOf(2027, 12, 31), false);
            for (const auto& [first, last] : kDayRanges)
                expectStatementAgreesWithExport(options, dayNumberOf(first), dayNumberOf(last),
                                                true);
        }
    }
}

// The first crew of `type` that has a day off on each of `days`.
int crewFreeOn(const ShiftSystem& system, std::initializer_list<DayNumber> days) {
    for (int crew = 0; crew < crewCount(system.calendarType); ++crew)
        if (std::all_of(days.begin(), days.end(), [&](DayNumber day) {
                const int duty =
                    crewDutiesOfDay(system, day, true).crews[static_cast<std::size_t>(crew)];
                return duty != EarlyShift && duty != LateShift && duty != NightShift;
            }))
            return crew;
    return -1;
}

TEST(SupplementsCommand, MarkingsReplaceShiftsAndAddExtraWork) {
    const DayNumber easter = dayNumberOf(2026, 4, 5);
    const DayNumber whitSunday = dayNumberOf(2026, 5, 24);
    for (const int type : {0, 2, 6}) {
        SCOPED_TRACE("type " + std::to_string(type));
        ShiftSystem system;
        system.calendarType = *calendarTypeFromNumber(type);
        const bool fourCrew = isFourCrew(system.calendarType);
        const int crew = fourCrew ? 0 : crewFreeOn(system, {easter});
        ASSERT_GE(crew, 0);
        // Extra work on the free holidays and on every free Saturday of December; vacation,
        // sickness and time off on the working days of the first week of June. Under the
        // four-crew types the markings name the shift itself.
        std::vector<ShiftMarking> markings;
        for (DayNumber day = dayNumberOf(2026, 1, 1); day <= dayNumberOf(2026, 12, 31); ++day) {
            const int duty =
                crewDutiesOfDay(system, day, true).crews[static_cast<std::size_t>(crew)];
            const bool works = duty == EarlyShift || duty == LateShift || duty == NightShift;
            const bool december = civilFromDayNumber(day).month == 12;
            const bool june = day >= dayNumberOf(2026, 6, 1) && day <= dayNumberOf(2026, 6, 7);
            if (fourCrew) {
                if (day == easter || day == whitSunday || (december && !works))
                    markings.push_back({day, 1, static_cast<std::int8_t>(day % 3)});
                else if (june && works)
                    markings.push_back({day, 1, static_cast<std::int8_t>(3 + day % 5)});
            } else if (!works && (day == easter || day == whitSunday ||
                                  (december && weekdayOf(day) == Weekday::Saturday))) {
                markings.push_back({day, static_cast<std::int8_t>(day % 2 ? 2 : 4), ExtraWork});
            } else if (june && works) {
                markings.push_back({day, 2, static_cast<std::int8_t>(TimeOff + day % 5)});
            }
        }
        ShiftMarkingList list(markings);
        list.changed = true;
        const test::TemporaryFolder folder;
        ASSERT_TRUE(saveShiftMarkings(test::TestStore{}, folder.path(), list).ok);
        const std::vector<std::string> options{
            "--type", std::to_string(type),
            "--crew", crewsOf(type)[static_cast<std::size_t>(crew)],
            "--data", folder.path().string()};
        expectStatementAgreesWithExport(options, dayNumberOf(2026, 1, 1), dayNumberOf(2026, 12, 31),
                                        false);
        for (const auto& [first, last] : kDayRanges)
            expectStatementAgreesWithExport(options, dayNumberOf(first), dayNumberOf(last), true);
        // The extra work on Easter Sunday is holiday work.
        std::vector<std::string> easterOnly{"supplements", "2026-04-05", "2026-04-05"};
        easterOnly.insert(easterOnly.end(), options.begin(), options.end());
        const CliRun run = runCli(easterOnly);
        EXPECT_EQ(run.out.find("2026-04\t0,00"), std::string::npos) << run.out;
    }
}

TEST(SupplementsCommand, ListsEveryPeriodAndTheTaxFreeAmount) {
    const CliRun run = runCli({"supplements", "2026-12-23", "2026-12-24", "--crew", "rot", "--by",
                               "day", "--wage", "60"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string header, first, second, sum, rest;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, sum);
    EXPECT_FALSE(std::getline(lines, rest));
    EXPECT_EQ(header, std::string(kHeader) + "\tsteuerfrei €");
    EXPECT_TRUE(first.starts_with("2026-12-23\t"));
    EXPECT_TRUE(second.starts_with("2026-12-24\t"));
    EXPECT_TRUE(sum.starts_with("Summe\t"));
    // One column more than the header names without the wage: the amount.
    EXPECT_EQ(std::count(sum.begin(), sum.end(), '\t'), 7);

    // Crew braun of type 0 works the Sunday night shift 18.00..6.00 on 1 March 2026.
    const CliRun night = runCli({"supplements", "2026-03-01", "2026-03-01", "--crew", "braun",
                                 "--by", "day", "--wage", "60"});
    ASSERT_EQ(night.status, 0) << night.err;
    // (6 h × 25 % + 4 h × 40 % + 10 h × 50 %) × 50 €, the wage counted at most 50 €.
    EXPECT_NE(night.out.find("2026-03-01\t12,00\t6,00\t4,00\t10,00\t0,00\t0,00\t405,00\n"),
              std::string::npos)
        << night.out;
    const CliRun wage =
        runCli({"supplements", "2026-03-01", "2026-03-01", "--crew", "braun", "--wage", "18,40"});
    EXPECT_NE(wage.out.find("2026-03\t12,00\t6,00\t4,00\t10,00\t0,00\t0,00\t149,04\n"),
              std::string::npos)
        << wage.out;

    const CliRun empty = runCli(
        {"supplements", "2026-01-01", "2026-03-31", "--crew", "A", "--type", "6", "--data", "/"});
    ASSERT_EQ(empty.status, 0) << empty.err;
    EXPECT_EQ(std::count(empty.out.begin(), empty.out.end(), '\n'), 5);
}

TEST(SupplementsCommand, MistakesGiveOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> mistakes{
        {"supplements", "2026-13-01", "2026-12-31", "--crew", "rot"},
        {"supplements", "2026-12-31", "2026-01-01", "--crew", "rot"},
        {"supplements", "2026-01-01", "2026-12-31", "--crew", "lila"},
        {"supplements", "2026-01-01", "2026-12-31", "--crew", "rot", "--by", "week"},
        {"supplements", "2026-01-01", "2026-12-31", "--crew", "rot", "--wage", "viel"},
        {"supplements", "2026-01-01", "2026-12-31", "--crew", "rot", "--wage", "-3"},
        {"supplements", "2026-01-01", "2026-12-31"},
        {"supplements", "2026-01-01", "2026-12-31", "--crew", "rot", "--out", "x"},
    };
    for (const auto& arguments : mistakes) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.back();
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

} // namespace
} // namespace tp
