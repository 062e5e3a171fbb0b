#include "accounts/SupplementHours.h"

#include <benchmark/benchmark.h>

namespace {

// The statement of the whole supported range for one crew by month and by day, with extra
// work or vacation every week.
void BM_SupplementStatementWholeRange(benchmark::State& state) {
    std::vector<tp::ShiftMarking> markings;
    for (tp::DayNumber day = tp::kFirstSupportedDay; day <= tp::kLastSupportedDay; day += 7)
        markings.push_back(
            {day, 2, static_cast<std::int8_t>(day % 2 ? tp::ExtraWork : tp::Vacation)});
    const tp::ShiftMarkingList markingList(std::move(markings));
    tp::CrewCalendarRequest request;
    request.from = tp::kFirstSupportedDay;
    request.to = tp::kLastSupportedDay;
    request.markings = &markingList;
    const auto period = state.range(0) == 0 ? tp::StatementPeriod::Month : tp::StatementPeriod::Day;
    for (auto _ : state) {
        const auto rows = tp::supplementStatement(request, period);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SupplementStatementWholeRange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
