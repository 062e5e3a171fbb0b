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
        for (int type = 0; type < kCalendarTypeCount; ++type) {
            ShiftSystem system;
            system.calendarType = type;
            int blockYear = -1;
            DayNumber blockStart = 0;
            for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
                const WorkingDate date = workingDateOf(day);
                if (date.year != blockYear) {
                    blockYear = date.year;
                    blockStart = computeBlockVacationStart(system, date.year);
                }
                CrewShifts crews{};
                if (isFourCrewType(type)) {
                    for (int crew = 1; crew <= 4; ++crew)
                        checksum += fourCrewShift(type, day, crew);
                } else {
                    checksum += computeCrewShifts(system, day, true, blockStart, crews);
                    checksum += crews[0] + crews[4];
                }
                for (int shift = 1; shift <= 3; ++shift)
                    checksum += isShiftCancelled(day, shift);
                checksum += static_cast<int>(publicHolidayName(day).size());
                checksum += static_cast<int>(holidayNameOfDay(day).size());
                checksum += isSchoolHoliday(date.year, date.monthIndex, date.day);
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
        const DayNumber blockStart = computeBlockVacationStart(system, 2016);
        for (DayNumber day = first; day < first + 24 * 31; ++day) {
            const WorkingDate date = workingDateOf(day);
            CrewShifts crews{};
            checksum += computeCrewShifts(system, day, true, blockStart, crews) + crews[2];
            for (int shift = 1; shift <= 3; ++shift)
                checksum += isShiftCancelled(day, shift);
            checksum += static_cast<int>(publicHolidayName(day).size());
            checksum += isSchoolHoliday(date.year, date.monthIndex, date.day);
        }
        benchmark::DoNotOptimize(checksum);
    }
}
BENCHMARK(BM_OnePageOfQuestions)->Unit(benchmark::kMicrosecond);

} // namespace
