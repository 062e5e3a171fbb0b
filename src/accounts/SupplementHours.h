#pragma once

#include "accounts/CrewEvents.h"
#include "model/DayNumber.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// One stretch of work of a crew: a shift it works or extra work with times.
struct WorkInterval {
    DayNumber day = 0;      // the day it begins; its hours count to this day and its month
    int startMinute = 0;    // local time, counted from the start of `day`
    int endMinute = 0;      // local time, past 1440 when it ends the next day
    int elapsedMinutes = 0; // real time, so a night shift over a clock change has 7 or 9 hours
    std::string shift;      // "Frühschicht", "Nachtschicht", "Arbeitseinsatz"...
};

// The work of the crew from `request.from` to `request.to` with the shift times of its
// calendar export: shifts the markings replace (vacation, sickness, time off...) and cancelled
// shifts are left out, extra work with times is in. Ordered by day.
std::vector<WorkInterval> workIntervals(const CrewCalendarRequest& request);

// The supplement classes in the order of the statement's columns.
enum class SupplementClass { Night25, Night40, Sunday50, Holiday125, Holiday150 };
inline constexpr int kSupplementClassCount = 5;
inline constexpr std::array<std::string_view, kSupplementClassCount> SupplementClassNames{
    "Nacht 25 %", "Nacht 40 %", "Sonntag 50 %", "Feiertag 125 %", "Feiertag 150 %"};
inline constexpr std::array<int, kSupplementClassCount> SupplementPercents{25, 40, 50, 125, 150};

// Worked minutes and the minutes of each class among them. A minute may be in one night and
// one day class at once.
struct SupplementMinutes {
    int worked = 0;
    std::array<int, kSupplementClassCount> classes{};

    int of(SupplementClass supplement) const {
        return classes[static_cast<std::size_t>(supplement)];
    }
    SupplementMinutes& operator+=(const SupplementMinutes& other);
    friend bool operator==(const SupplementMinutes&, const SupplementMinutes&) = default;
};

// Splits one stretch of work into the classes: night 20.00..6.00 at 25 %, but 0.00..4.00 of
// work begun the day before at 40 %; Sundays 50 %; public holidays and 31 December from 14.00
// 125 %; 25 and 26 December, 1 May and 24 December from 14.00 150 %. Of the day classes only
// the highest counts, and 0.00..4.00 of work begun the day before also takes that day's class.
SupplementMinutes classifyWork(const WorkInterval& work);

enum class StatementPeriod { Month, Day };

struct StatementRow {
    DayNumber first = 0; // the period's days within the statement
    DayNumber last = 0;
    SupplementMinutes minutes;
};

// One row for every month or day from `request.from` to `request.to`, also the empty ones;
// work counts to the period of the day it begins on.
std::vector<StatementRow> supplementStatement(const CrewCalendarRequest& request,
                                              StatementPeriod period);

// One day with work and the classes of its hours.
struct SupplementDay {
    DayNumber day = 0;
    std::string shift;
    SupplementMinutes minutes;
};

// The days from `request.from` to `request.to` on which the crew begins work.
std::vector<SupplementDay> supplementDays(const CrewCalendarRequest& request);

// Base wages above this count as this (cents per hour).
inline constexpr int kLargestTaxFreeWageCents = 5000;

// The tax-free supplements in cents: each class's hours times its rate times the hourly wage,
// the wage counted at most 50 €. Rounded to the cent.
std::int64_t taxFreeCents(const SupplementMinutes& minutes, int wageCents);

// "7,50": hours of `minutes` with two decimals and a decimal comma.
std::string hoursText(int minutes);

// The header of a tab-separated statement: `leading` (the columns before the hours),
// "Arbeitsstunden", the classes and, with a wage, "steuerfrei €"; ended by LF.
std::string supplementHeaderText(std::string_view leading, bool withWage);
// The hours of one row of it: worked, each class and, with a wage, the tax-free amount, each
// after a tab but the first; ended by LF.
std::string supplementColumnsText(const SupplementMinutes& minutes, std::optional<int> wageCents);

// The days as tab-separated text for a spreadsheet: a header, one line per day ("24.12.2026",
// the shift, the hours), "Summe"; with a wage the tax-free amount as a last column. UTF-8,
// lines ended by LF.
std::string supplementDaysText(const std::vector<SupplementDay>& days,
                               std::optional<int> wageCents);

// "1234,56": an amount of cents with a decimal comma.
std::string centsText(std::int64_t cents);

} // namespace tp
