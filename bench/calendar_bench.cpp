// Cost of the per-day questions the page asks: crew duties, holidays and school holidays.
#include "holidays/Holidays.h"
#include "holidays/SchoolHolidays.h"
#include "model/ShiftSystem.h"
#include "model/WorkingDate.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tp;

// Every day 1970..2037 under every calendar type, as the page asks for one day.
void BM_AllDaysAllTypes(benchmark::State& state) {
    for (auto _ : state) {
        int checksum = 0;
        for (int number = 0; number < kCalendarTypeCount; ++number) {
            ShiftSystem system;
            system.calendarType = *calendarTypeFromNumber(number);
            for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
                const WorkingDate date = workingDateOf(day);
                const CrewDuties duties = crewDutiesOfDay(system, day, true);
                checksum += duties.crewOutside + duties.crews[0] + duties.crews[3];
                for (int shift = 1; shift <= 3; ++shift)
                    checksum += isShiftCancelled(day, shift);
                checksum += static_cast<int>(publicHolidayName(day).size());
                checksum += static_cast<int>(holidayNameOfDay(day).size());
                checksum += isSchoolHoliday(date.year, date.month, date.day);
            }
        }
        benchmark::DoNotOptimize(checksum);
    }
    state.counters["days"] =
        benchmark::Counter(static_cast<double>(kCalendarTypeCount * (kLastSupportedDay + 1)),
                           benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_AllDaysAllTypes)->Unit(benchmark::kMillisecond);

// The questions of one page: 24 columns of up to 31 days.
void BM_OnePageOfQuestions(benchmark::State& state) {
    ShiftSystem system;
    const DayNumber first = dayNumberOf(2016, 1, 1);
    for (auto _ : state) {
        int checksum = 0;
        for (DayNumber day = first; day < first + 24 * 31; ++day) {
            const WorkingDate date = workingDateOf(day);
            const CrewDuties duties = crewDutiesOfDay(system, day, true);
            checksum += duties.crewOutside + duties.crews[2];
            for (int shift = 1; shift <= 3; ++shift)
                checksum += isShiftCancelled(day, shift);
            checksum += static_cast<int>(publicHolidayName(day).size());
            checksum += isSchoolHoliday(date.year, date.month, date.day);
        }
        benchmark::DoNotOptimize(checksum);
    }
}
BENCHMARK(BM_OnePageOfQuestions)->Unit(benchmark::kMicrosecond);

} // namespace
