// Cost of what every page draw adds for the markings: both account fields and the look-ups
// of the day rows; and of the yearly hours table.
#include "accounts/AccountBalances.h"
#include "accounts/YearlyCrewHours.h"
#include "markings/MarkingsMarksSource.h"

#include <random>

#include <benchmark/benchmark.h>

namespace {

using namespace tp;

// `count` markings on distinct days from `firstDay` on, every kind and column.
ShiftMarkingList spreadMarkings(DayNumber firstDay, int count, int everyNthDay) {
    std::mt19937 random(11);
    std::vector<ShiftMarking> markings;
    for (int i = 0; i < count; ++i)
        markings.push_back({firstDay + i * everyNthDay, static_cast<std::int8_t>(1 + random() % 4),
                            static_cast<std::int8_t>(random() % 6)});
    return ShiftMarkingList(markings);
}

// range(0): markings; they end on the day before today, 15 June 2016, one a day.
void BM_AccountBalances(benchmark::State& state) {
    const DayNumber today = dayNumberOf(2016, 6, 15);
    const int count = static_cast<int>(state.range(0));
    const ShiftMarkingList markings = spreadMarkings(today - count, count, 1);
    ShiftSystem system;
    // Everything counts from the first marking on, and the block days are taken off.
    const HoursAccount hours{today - count, 12.5f, true, 2, true};
    const VacationAccount vacation{dayNumberOf(2016, 1, 1), 30};
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeHoursBalance(system, hours, vacation, markings, today));
        benchmark::DoNotOptimize(
            computeVacationBalance(system, vacation, hours.baseCrew, markings, today));
    }
}
// 20 years with a marking on every day; 10,000 days need 27.4 years.
BENCHMARK(BM_AccountBalances)->Arg(7305)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_YearlyCrewHours(benchmark::State& state) {
    ShiftSystem system;
    system.calendarType = *calendarTypeFromNumber(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        if (system.calendarType == CalendarType::WendringTwoShift)
            benchmark::DoNotOptimize(computeTwoShiftYearlyCrewHours(system, 2016));
        else
            benchmark::DoNotOptimize(computeYearlyCrewHours(system, 2016));
    }
}
BENCHMARK(BM_YearlyCrewHours)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The look-ups alone for the 744 days of 24 columns from January 1985.
void BM_MarkingAndBarLookups(benchmark::State& state) {
    const ShiftMarkingList markings = spreadMarkings(dayNumberOf(1971, 1, 1), 10000, 1);
    std::vector<CalendarBar> bars;
    for (int i = 0; i < 500; ++i) {
        const DayNumber start = dayNumberOf(1971, 1, 1) + i * 20;
        bars.push_back({start, start + i % 14, kDefaultBarColour});
    }
    const CalendarBarList barList(bars);
    const MarkingsMarksSource source(markings, barList, CalendarType::WendringWerk);
    const DayNumber first = dayNumberOf(1985, 1, 1);
    for (auto _ : state) {
        for (DayNumber day = first; day < first + 731; ++day) {
            DayMarks marks;
            source.addMarks(day, marks);
            benchmark::DoNotOptimize(marks);
        }
    }
}
BENCHMARK(BM_MarkingAndBarLookups)->Unit(benchmark::kMicrosecond);

} // namespace
