// Cost of the astronomy: the day-row marks of a page and the astronomy line.
#include "astro/AstronomyLine.h"
#include "astro/DayAstronomyMarks.h"
#include "astro/Eclipses.h"
#include "astro/LunationCache.h"
#include "astro/MoonApsides.h"
#include "astro/MoonPhases.h"
#include "model/WorkingDate.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tp;

constexpr int kPageColumns = 24;

// The marks of a 24-column page starting January 1985 (moon phases, eclipses and apsides
// on), with the lunation cache a page rebuild starts with.
void BM_PageMarks1985(benchmark::State& state) {
    const AstronomySettings settings;
    DayMarkRequest request;
    request.moonPhases = request.eclipses = request.apsides = true;
    for (auto _ : state) {
        LunationCache cache;
        int checksum = 0;
        for (int column = 0; column < kPageColumns; ++column) {
            const WorkingDate first = firstOfMonth(1985 + column / 12, column % 12 + 1);
            for (int day = 0; day < 31; ++day) {
                const DayAstronomyMarks marks = dayAstronomyMarks(
                    workingDateOf(first.dayNumber + day), settings, request, cache);
                checksum += static_cast<int>(marks.moonPhase) + static_cast<int>(marks.eclipse) +
                            static_cast<int>(marks.apsis);
            }
        }
        benchmark::DoNotOptimize(checksum);
    }
}
BENCHMARK(BM_PageMarks1985)->Unit(benchmark::kMillisecond);

// The same questions without the cache: every search computes its lunations afresh.
void BM_PageMarks1985WithoutCache(benchmark::State& state) {
    const AstronomySettings settings;
    for (auto _ : state) {
        int checksum = 0;
        for (int column = 0; column < kPageColumns; ++column) {
            const WorkingDate first = firstOfMonth(1985 + column / 12, column % 12 + 1);
            for (int day = 0; day < 31; ++day) {
                const WorkingDate date = workingDateOf(first.dayNumber + day);
                PhaseNearFlag flag = PhaseNearFlag::None;
                checksum += static_cast<int>(moonPhaseText(date, settings, flag, nullptr).size());
                if (flag == PhaseNearFlag::NewMoonNear)
                    checksum += static_cast<int>(solarEclipseText(date, settings, nullptr).size());
                else if (flag == PhaseNearFlag::FullMoonNear)
                    checksum += static_cast<int>(lunarEclipseText(date, settings, nullptr).size());
                checksum += static_cast<int>(apogeeText(date, settings, nullptr).size() +
                                             perigeeText(date, settings, nullptr).size());
            }
        }
        benchmark::DoNotOptimize(checksum);
    }
}
BENCHMARK(BM_PageMarks1985WithoutCache)->Unit(benchmark::kMillisecond);

// The astronomy line of one day (a cursor move), with a fresh cache.
void BM_AstronomyLineOneDay(benchmark::State& state) {
    const AstronomySettings settings;
    const WorkingDate date = workingDateOf(dayNumberOf(1985, 9, 28));
    for (auto _ : state) {
        LunationCache cache;
        PhaseNearFlag flag = PhaseNearFlag::None;
        benchmark::DoNotOptimize(astronomyLine(date, settings, flag, &cache));
    }
}
BENCHMARK(BM_AstronomyLineOneDay)->Unit(benchmark::kMicrosecond);

void BM_AstronomyLineOneDayWithoutCache(benchmark::State& state) {
    const AstronomySettings settings;
    const WorkingDate date = workingDateOf(dayNumberOf(1985, 9, 28));
    for (auto _ : state) {
        PhaseNearFlag flag = PhaseNearFlag::None;
        benchmark::DoNotOptimize(astronomyLine(date, settings, flag, nullptr));
    }
}
BENCHMARK(BM_AstronomyLineOneDayWithoutCache)->Unit(benchmark::kMicrosecond);

// Every astronomy line 1970..2037, as the astro command prints them.
void BM_AllAstronomyLines(benchmark::State& state) {
    const AstronomySettings settings;
    for (auto _ : state) {
        LunationCache cache;
        std::size_t length = 0;
        for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
            PhaseNearFlag flag = PhaseNearFlag::None;
            length += astronomyLine(workingDateOf(day), settings, flag, &cache).size();
        }
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_AllAstronomyLines)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_AllAstronomyLinesWithoutCache(benchmark::State& state) {
    const AstronomySettings settings;
    for (auto _ : state) {
        std::size_t length = 0;
        for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
            PhaseNearFlag flag = PhaseNearFlag::None;
            length += astronomyLine(workingDateOf(day), settings, flag, nullptr).size();
        }
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_AllAstronomyLinesWithoutCache)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
