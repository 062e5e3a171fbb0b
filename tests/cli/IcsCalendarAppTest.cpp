// The exported calendar as a calendar app reads it: parsed with libical, times converted
// through the file's own time zone, compared day by day with the days report.
#include "cli/Commands.h"

#include <libical/ical.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace tp::cli {
namespace {

std::string runCli(std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const int status = runCommandLine(arguments, out, err);
    EXPECT_EQ(status, 0) << err.str();
    return out.str();
}

// A parsed calendar, freed at the end.
class Calendar {
  public:
    explicit Calendar(const std::string& text) : root_(icalparser_parse_string(text.c_str())) {}
    ~Calendar() {
        if (root_)
            icalcomponent_free(root_);
    }
    Calendar(const Calendar&) = delete;
    Calendar& operator=(const Calendar&) = delete;

    icalcomponent* root() const { return root_; }
    icaltimezone* berlin() const { return icalcomponent_get_timezone(root_, "Europe/Berlin"); }

    std::vector<icalcomponent*> events() const {
        std::vector<icalcomponent*> found;
        for (icalcomponent* event = icalcomponent_get_first_component(root_, ICAL_VEVENT_COMPONENT);
             event; event = icalcomponent_get_next_component(root_, ICAL_VEVENT_COMPONENT))
            found.push_back(event);
        return found;
    }

    // Seconds since 1970 UTC of a local time of the event, through the file's VTIMEZONE.
    time_t utc(icaltimetype local) const { return icaltime_as_timet_with_zone(local, berlin()); }

  private:
    icalcomponent* root_;
};

int errorCount(icalcomponent* component) {
    int errors = icalcomponent_count_errors(component);
    return errors;
}

std::string dateText(icaltimetype time) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.year, time.month, time.day);
    return text;
}

struct DayPlan {
    std::vector<int> crews;
    std::string cancelled;
};

std::map<std::string, DayPlan> daysReport(int type) {
    std::map<std::string, DayPlan> plan;
    std::istringstream in(
        runCli({"days", "2026-01-01", "2026-12-31", "--type", std::to_string(type)}));
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, '\t');)
            fields.push_back(field);
        DayPlan day;
        std::istringstream crews(fields[8]);
        for (std::string code; std::getline(crews, code, ',');)
            day.crews.push_back(std::stoi(code));
        day.cancelled = fields[10];
        plan[fields[0]] = day;
    }
    return plan;
}

const char* const kShiftNames[] = {"", "Frühschicht", "Spätschicht", "Nachtschicht"};

TEST(IcsCalendarApp, EveryCrewOfEveryTypeAgreesWithTheDaysReport) {
    const std::vector<std::vector<std::string>> crewsOfType{
        {"rot", "blau", "gelb", "grün", "braun"}, {"rot", "blau", "gelb"}, {"A", "B", "C", "D"}};
    for (int type = 0; type < 8; ++type) {
        const auto plan = daysReport(type);
        const auto& crews = type == 2   ? crewsOfType[1]
                            : type >= 6 ? crewsOfType[2]
                                        : crewsOfType[0];
        for (std::size_t crew = 0; crew < crews.size(); ++crew) {
            SCOPED_TRACE("type " + std::to_string(type) + ", crew " + crews[crew]);
            const Calendar calendar(runCli({"ics", "2026-01-01", "2026-12-31", "--crew",
                                            crews[crew], "--type", std::to_string(type)}));
            ASSERT_NE(calendar.root(), nullptr);
            ASSERT_EQ(errorCount(calendar.root()), 0);
            ASSERT_NE(calendar.berlin(), nullptr);

            std::set<std::string> shiftsInFile;
            std::set<std::string> blockDays;
            for (icalcomponent* event : calendar.events()) {
                const std::string summary = icalcomponent_get_summary(event);
                const icaltimetype start = icalcomponent_get_dtstart(event);
                if (summary == "Blockurlaub") {
                    const icaltimetype end = icalcomponent_get_dtend(event);
                    for (icaltimetype day = start; icaltime_compare_date_only(day, end) < 0;
                         icaltime_adjust(&day, 1, 0, 0, 0))
                        blockDays.insert(dateText(day));
                    continue;
                }
                ASSERT_FALSE(start.is_date) << summary;
                shiftsInFile.insert(dateText(start) + " " + summary);
            }
            std::set<std::string> planned;
            std::set<std::string> vacationFreeDays;
            for (const auto& [date, day] : plan) {
                const int code = day.crews[crew];
                if (code >= 1 && code <= 3 &&
                    day.cancelled[static_cast<std::size_t>(code - 1)] == '0')
                    planned.insert(date + " " + kShiftNames[code]);
                if (code == 5)
                    vacationFreeDays.insert(date);
            }
            EXPECT_EQ(shiftsInFile, planned);
            for (const std::string& date : vacationFreeDays)
                EXPECT_TRUE(blockDays.count(date)) << date;
            for (const std::string& date : blockDays) {
                const int code = plan.at(date).crews[crew];
                EXPECT_TRUE(code == 0 || code == 5) << date;
            }
            EXPECT_EQ(blockDays.empty(), type == 2 || type >= 6);
        }
    }
}

struct ShiftInstant {
    const char* from;
    const char* crew;
    const char* summary;
    int startHourUtc;
    int hours;
};

// Summer and winter time, the night of the change in March, the German end of summer time in
// September before 1996, and no summer time at all before 1980.
TEST(IcsCalendarApp, TimesFollowGermanSummerTime) {
    const ShiftInstant cases[] = {
        {"2026-07-06", "rot", "Frühschicht", 4, 8},   {"2026-01-12", "rot", "Frühschicht", 5, 8},
        {"2026-03-28", "rot", "Nachtschicht", 21, 7}, {"2026-10-24", "rot", "Nachtschicht", 20, 9},
        {"1975-07-07", "rot", "Nachtschicht", 21, 8}, {"1985-10-07", "rot", "Nachtschicht", 21, 8},
        {"1985-09-09", "rot", "Frühschicht", 4, 8},
    };
    for (const ShiftInstant& wanted : cases) {
        SCOPED_TRACE(wanted.from);
        const std::string text = runCli({"ics", wanted.from, wanted.from, "--crew", wanted.crew});
        const Calendar calendar(text);
        const auto events = calendar.events();
        ASSERT_EQ(events.size(), 1u) << text;
        EXPECT_STREQ(icalcomponent_get_summary(events[0]), wanted.summary);
        const time_t start = calendar.utc(icalcomponent_get_dtstart(events[0]));
        const time_t end = calendar.utc(icalcomponent_get_dtend(events[0]));
        EXPECT_EQ(start % 86400 / 3600, wanted.startHourUtc);
        EXPECT_EQ(end - start, wanted.hours * 3600);
    }
}

} // namespace
} // namespace tp::cli
