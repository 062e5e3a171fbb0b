#include "accounts/AccountBalances.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

// Duties of crews rot, blau, gelb, grün, braun under type 0 with the block of the day's year,
// as the calendar shows them:
//   2016-03-02 Wed 2,1,4,0,3   2016-03-09 Wed 1,4,0,3,2   2016-03-13 Sun 4,1,0,4,3
//   2016-03-20 Sun 1,0,4,3,4   2016-05-17..19 Tue..Thu: green on block vacation (0)
//   2016-12-24 Sat 1,0,4,3,2   2016-12-25 Sun 1,0,4,3,4   2015-05-13 Wed 0,3,2,1,4
//   2015-05-04 Mon 0,2,3,1,4: red on the 2015 block, by its plan on the late shift.
// The 2016 block runs from 25 April (green first) through 11 September.
constexpr int kRed = 0;
constexpr int kGreen = 3;
constexpr DayNumber kToday = dayNumberOf(2016, 6, 15);

DayNumber d(int year, int month, int day) {
    return dayNumberOf(year, month, day);
}

ShiftSystem systemOfType(int type) {
    ShiftSystem system;
    system.calendarType = *calendarTypeFromNumber(type);
    return system;
}

struct HoursCase {
    const char* rule;
    int type;
    HoursAccount hours;
    DayNumber vacationStart;
    std::vector<ShiftMarking> markings;
    const char* expectedText;
    BalanceColour expectedColour = BalanceColour::Black;
};

HoursAccount account(int crew, DayNumber start = d(2016, 1, 1), float hours = 0.0f,
                     bool minutes = false, bool block = false) {
    return {start, hours, minutes, crew, block};
}

class HoursBalance : public testing::TestWithParam<HoursCase> {};

TEST_P(HoursBalance, ShowsTheBalance) {
    const HoursCase& c = GetParam();
    const HoursStatus status = computeHoursBalance(
        systemOfType(c.type), c.hours, {c.vacationStart, 0}, ShiftMarkingList(c.markings), kToday);
    EXPECT_EQ(status.text, c.expectedText) << c.rule;
    EXPECT_EQ(status.colour, c.expectedColour) << c.rule;
}

const DayNumber jan1 = d(2016, 1, 1);

INSTANTIATE_TEST_SUITE_P(
    ExtraWork, HoursBalance,
    testing::Values(
        HoursCase{"X on a free Wednesday: +8",
                  0,
                  account(kGreen),
                  jan1,
                  {{d(2016, 3, 2), 2, ExtraWork}},
                  "   8,00"},
        HoursCase{"X on a free Sunday: +12",
                  0,
                  account(kRed),
                  jan1,
                  {{d(2016, 3, 13), 2, ExtraWork}},
                  "  12,00"},
        HoursCase{"X on a shift day: nothing",
                  0,
                  account(kGreen),
                  jan1,
                  {{d(2016, 3, 9), 2, ExtraWork}},
                  "   0,00"},
        HoursCase{
            "L counts like X", 0, account(kGreen), jan1, {{d(2016, 3, 2), 2, Course}}, "   8,00"},
        HoursCase{
            "K changes nothing", 0, account(kGreen), jan1, {{d(2016, 3, 2), 2, Sick}}, "   0,00"},
        HoursCase{"X before the start day: nothing",
                  0,
                  account(kGreen, d(2016, 3, 3)),
                  jan1,
                  {{d(2016, 3, 2), 2, ExtraWork}},
                  "   0,00"},
        // By its plan red works the late shift; the block of 2015 sends it on leave.
        HoursCase{"a day of 2015 is seen with the block of 2015",
                  0,
                  account(kRed, d(2015, 1, 1)),
                  jan1,
                  {{d(2015, 5, 4), 2, ExtraWork}},
                  "   8,00"}));

INSTANTIATE_TEST_SUITE_P(
    TimeOff, HoursBalance,
    testing::Values(HoursCase{"F on a shift day: -8",
                              0,
                              account(kGreen),
                              jan1,
                              {{d(2016, 3, 9), 2, TimeOff}},
                              "  -8,00"},
                    HoursCase{"F on a working Sunday: -12",
                              0,
                              account(kRed),
                              jan1,
                              {{d(2016, 3, 20), 2, TimeOff}},
                              " -12,00"},
                    HoursCase{"F on a free day: nothing",
                              0,
                              account(kGreen),
                              jan1,
                              {{d(2016, 3, 2), 2, TimeOff}},
                              "   0,00"},
                    HoursCase{"F on Christmas Day: nothing",
                              0,
                              account(kGreen),
                              jan1,
                              {{d(2016, 12, 25), 2, TimeOff}},
                              "   0,00"},
                    HoursCase{"F on Christmas Eve, stand-by column: -8",
                              0,
                              account(kGreen),
                              jan1,
                              {{d(2016, 12, 24), 1, TimeOff}},
                              "  -8,00"},
                    HoursCase{"F on Christmas Eve, early column: -8",
                              0,
                              account(kGreen),
                              jan1,
                              {{d(2016, 12, 24), 2, TimeOff}},
                              "  -8,00"},
                    HoursCase{"F on Christmas Eve, late column: nothing",
                              0,
                              account(kGreen),
                              jan1,
                              {{d(2016, 12, 24), 3, TimeOff}},
                              "   0,00"},
                    HoursCase{"F on Christmas Eve, night column: nothing",
                              0,
                              account(kGreen),
                              jan1,
                              {{d(2016, 12, 24), 4, TimeOff}},
                              "   0,00"},
                    HoursCase{"F on the vacation start day itself: nothing",
                              0,
                              account(kGreen),
                              d(2016, 3, 9),
                              {{d(2016, 3, 9), 2, TimeOff}},
                              "   0,00"},
                    HoursCase{"F the day after the vacation start: -8",
                              0,
                              account(kGreen),
                              d(2016, 3, 8),
                              {{d(2016, 3, 9), 2, TimeOff}},
                              "  -8,00"},
                    // The vacation account of 2015 starts afresh on 1 January 2016.
                    HoursCase{"F of last year: nothing",
                              0,
                              account(kGreen, d(2015, 1, 1)),
                              d(2015, 1, 1),
                              {{d(2015, 5, 13), 2, TimeOff}},
                              "   0,00"}));

INSTANTIATE_TEST_SUITE_P(
    TwoShiftAndBlock, HoursBalance,
    testing::Values(
        // Green has no duty under the two-shift system.
        HoursCase{"two shifts: X of green adds",
                  2,
                  account(kGreen),
                  jan1,
                  {{d(2016, 3, 9), 2, ExtraWork}},
                  "   8,00"},
        HoursCase{"two shifts: F of green never counts",
                  2,
                  account(kGreen),
                  jan1,
                  {{d(2016, 3, 9), 2, TimeOff}},
                  "   0,00"},
        // From the start day 16 May (Whit Monday, a holiday): 17, 18, 19 May, 3 x 8.
        HoursCase{"block days from the start day on",
                  0,
                  account(kGreen, d(2016, 5, 16), 0.0f, false, true),
                  jan1,
                  {},
                  " -24,00"},
        HoursCase{"block flag off", 0, account(kGreen, d(2016, 5, 16)), jan1, {}, "   0,00"},
        HoursCase{"no block under two shifts",
                  2,
                  account(kGreen, d(2016, 5, 16), 0.0f, false, true),
                  jan1,
                  {},
                  "   0,00"}));

INSTANTIATE_TEST_SUITE_P(
    TextAndColour, HoursBalance,
    testing::Values(
        HoursCase{"-40 stays black", 0, account(kRed, jan1, -40.0f), jan1, {}, " -40,00"},
        HoursCase{"-40.5 is dark red",
                  0,
                  account(kRed, jan1, -40.5f),
                  jan1,
                  {},
                  " -40,50",
                  BalanceColour::DarkRed},
        HoursCase{"40.01 is dark green",
                  0,
                  account(kRed, jan1, 40.01f),
                  jan1,
                  {},
                  "  40,01",
                  BalanceColour::DarkGreen},
        HoursCase{"no -0,00", 0, account(kRed, jan1, -0.001f), jan1, {}, "   0,00"},
        // 7:30 and 12 hours for a Sunday.
        HoursCase{"minutes: 7:30 + 12 h",
                  0,
                  account(kRed, jan1, 7.30f, true),
                  jan1,
                  {{d(2016, 3, 13), 2, ExtraWork}},
                  "  19:30"},
        // -7:30 and 8 hours is half an hour, counted in minutes.
        HoursCase{"minutes: -7:30 + 8 h",
                  0,
                  account(kGreen, jan1, -7.30f, true),
                  jan1,
                  {{d(2016, 3, 2), 2, ExtraWork}},
                  "   0:30"},
        HoursCase{"minutes: -0:30", 0, account(kRed, jan1, -0.30f, true), jan1, {}, "  -0:30"},
        HoursCase{"minutes: -40:30 is dark red",
                  0,
                  account(kRed, jan1, -40.30f, true),
                  jan1,
                  {},
                  " -40:30",
                  BalanceColour::DarkRed},
        HoursCase{
            "minutes: 40:00 stays black", 0, account(kRed, jan1, 40.0f, true), jan1, {}, "  40:00"},
        HoursCase{"four crews: empty", 6, account(kRed, jan1, 12.0f), jan1, {}, ""}));

struct VacationCase {
    const char* rule;
    int type;
    VacationAccount vacation;
    ShiftMarking marking;
    const char* expectedText;
};

class VacationBalance : public testing::TestWithParam<VacationCase> {};

TEST_P(VacationBalance, ShowsTheDaysLeft) {
    const VacationCase& c = GetParam();
    EXPECT_EQ(computeVacationBalance(systemOfType(c.type), c.vacation, kGreen,
                                     ShiftMarkingList({c.marking}), kToday),
              c.expectedText)
        << c.rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, VacationBalance,
    testing::Values(
        VacationCase{
            "U on a shift day: one less", 0, {jan1, 20}, {d(2016, 3, 9), 2, Vacation}, " 19"},
        VacationCase{"U on a free day", 0, {jan1, 20}, {d(2016, 3, 2), 2, Vacation}, " 20"},
        VacationCase{
            "U on the own block days", 0, {jan1, 20}, {d(2016, 5, 17), 2, Vacation}, " 20"},
        VacationCase{"F is no vacation", 0, {jan1, 20}, {d(2016, 3, 9), 2, TimeOff}, " 20"},
        VacationCase{"U on Christmas Eve, early column",
                     0,
                     {jan1, 20},
                     {d(2016, 12, 24), 2, Vacation},
                     " 19"},
        VacationCase{"U on Christmas Eve, late column",
                     0,
                     {jan1, 20},
                     {d(2016, 12, 24), 3, Vacation},
                     " 20"},
        VacationCase{
            "U before the start day", 0, {d(2016, 3, 10), 20}, {d(2016, 3, 9), 2, Vacation}, " 20"},
        VacationCase{"U of last year", 0, {jan1, 20}, {d(2015, 5, 13), 2, Vacation}, " 20"},
        // Last year's account starts afresh on 1 January with no days left.
        VacationCase{"new year: 0 days from 1 January",
                     0,
                     {d(2015, 3, 1), 20},
                     {d(2016, 3, 9), 2, Vacation},
                     " -1"},
        VacationCase{
            "two shifts: green never works", 2, {jan1, 20}, {d(2016, 3, 9), 2, Vacation}, " 20"},
        VacationCase{"four crews: empty", 7, {jan1, 20}, {d(2016, 3, 9), 2, Vacation}, ""}));

} // namespace
} // namespace tp
