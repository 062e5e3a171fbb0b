#include "accounts/SupplementHours.h"
#include "accounts/BerlinTime.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

struct ClassCase {
    const char* name;
    CivilDate day;
    int start; // local minutes from the start of the day
    int end;
    // Hours: worked, Nacht 25 %, Nacht 40 %, Sonntag 50 %, Feiertag 125 %, Feiertag 150 %
    double hours[6];
};

TEST(SupplementHours, ClassesOfWorkFollowTheRule) {
    const ClassCase cases[] = {
        {"night shift begun on a Sunday", {2026, 3, 1}, 1320, 1800, {8, 4, 4, 6, 0, 0}},
        {"late shift on 24 December", {2026, 12, 24}, 840, 1320, {8, 2, 0, 0, 0, 8}},
        {"night shift over the autumn change", {2026, 10, 24}, 1320, 1800, {9, 4, 5, 7, 0, 0}},
        {"extra work 6-18 on Easter Sunday", {2026, 4, 5}, 360, 1080, {12, 0, 0, 0, 12, 0}},
        {"night shift over the spring change", {2026, 3, 28}, 1320, 1800, {7, 4, 3, 5, 0, 0}},
        {"Sunday night shift of twelve hours", {2026, 3, 1}, 1080, 1800, {12, 6, 4, 10, 0, 0}},
        {"night shift into Christmas", {2026, 12, 24}, 1320, 1800, {8, 4, 4, 0, 0, 8}},
        {"night shift into New Year", {2026, 12, 31}, 1320, 1800, {8, 4, 4, 0, 8, 0}},
        {"early shift on 31 December", {2026, 12, 31}, 360, 840, {8, 0, 0, 0, 0, 0}},
        {"late shift on 31 December", {2026, 12, 31}, 840, 1320, {8, 2, 0, 0, 8, 0}},
        {"early shift on 24 December, a Sunday", {2028, 12, 24}, 360, 840, {8, 0, 0, 8, 0, 0}},
        {"night shift begun on Whit Monday", {2026, 5, 25}, 1320, 1800, {8, 4, 4, 0, 6, 0}},
        {"night shift into 1 May", {2026, 4, 30}, 1320, 1800, {8, 4, 4, 0, 0, 6}},
        {"two-shift late shift on a Saturday", {2026, 4, 4}, 870, 1380, {8.5, 3, 0, 0, 0, 0}},
        {"early shift on a weekday", {2026, 3, 3}, 360, 840, {8, 0, 0, 0, 0, 0}},
    };
    for (const ClassCase& wanted : cases) {
        SCOPED_TRACE(wanted.name);
        const DayNumber day = dayNumberOf(wanted.day);
        const WorkInterval work{day, wanted.start, wanted.end,
                                berlinElapsedMinutes(day, wanted.start, wanted.end), "Schicht"};
        const SupplementMinutes minutes = classifyWork(work);
        EXPECT_EQ(minutes.worked, static_cast<int>(wanted.hours[0] * 60));
        for (int i = 0; i < kSupplementClassCount; ++i)
            EXPECT_EQ(minutes.classes[static_cast<std::size_t>(i)],
                      static_cast<int>(wanted.hours[i + 1] * 60))
                << SupplementClassNames[static_cast<std::size_t>(i)];
    }
}

TEST(SupplementHours, BerlinClockChangesOnTheDaysOfTheCalendarExport) {
    struct Change {
        int year;
        CivilDate spring;
        CivilDate autumn;
    };
    const Change changes[] = {
        {1980, {1980, 4, 6}, {1980, 9, 28}},   {1995, {1995, 3, 26}, {1995, 9, 24}},
        {1996, {1996, 3, 31}, {1996, 10, 27}}, {2026, {2026, 3, 29}, {2026, 10, 25}},
        {2037, {2037, 3, 29}, {2037, 10, 25}},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.year);
        const auto summer = berlinSummerTime(change.year);
        ASSERT_TRUE(summer);
        EXPECT_EQ(summer->start, dayNumberOf(change.spring));
        EXPECT_EQ(summer->end, dayNumberOf(change.autumn));
        // The day of the change is 23 or 25 hours long, its neighbours 24.
        EXPECT_EQ(berlinElapsedMinutes(summer->start, 0, 1440), 23 * 60);
        EXPECT_EQ(berlinElapsedMinutes(summer->end, 0, 1440), 25 * 60);
        EXPECT_EQ(berlinElapsedMinutes(summer->start + 1, 0, 1440), 24 * 60);
        EXPECT_EQ(berlinElapsedMinutes(summer->end - 1, 0, 1440), 24 * 60);
    }
    EXPECT_FALSE(berlinSummerTime(1979));
}

TEST(SupplementHours, TaxFreeAmountCountsTheWageAtMostFiftyEuros) {
    SupplementMinutes minutes;
    minutes.worked = 480;
    minutes.classes = {120, 240, 360, 0, 0}; // 2 h × 25 %, 4 h × 40 %, 6 h × 50 %
    // 0.5 + 1.6 + 3.0 = 5.1 wage hours
    EXPECT_EQ(taxFreeCents(minutes, 2000), 10200);
    EXPECT_EQ(taxFreeCents(minutes, 5000), 25500);
    EXPECT_EQ(taxFreeCents(minutes, 8000), 25500);
    EXPECT_EQ(taxFreeCents(minutes, 1), 5); // 5.1 cents
    EXPECT_EQ(hoursText(450), "7,50");
    EXPECT_EQ(hoursText(20), "0,33");
    EXPECT_EQ(hoursText(0), "0,00");
    EXPECT_EQ(centsText(123405), "1234,05");
}

} // namespace
} // namespace tp
