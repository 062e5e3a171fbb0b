#include "accounts/CrewEvents.h"
#include "accounts/ICalendarText.h"

#include <benchmark/benchmark.h>

namespace {

// The whole supported range for one crew: about 15,000 events, with a marking every week and
// a calendar bar every month.
void BM_IcsExportWholeRange(benchmark::State& state) {
    std::vector<tp::ShiftMarking> markings;
    for (tp::DayNumber day = tp::kFirstSupportedDay; day <= tp::kLastSupportedDay; day += 7)
        markings.push_back({day, 2, tp::Vacation});
    std::vector<tp::CalendarBar> bars;
    for (tp::DayNumber day = tp::kFirstSupportedDay; day <= tp::kLastSupportedDay; day += 30)
        bars.push_back({day, day + 2, tp::kDefaultBarColour});
    const tp::ShiftMarkingList markingList(std::move(markings));
    const tp::CalendarBarList barList(std::move(bars));
    tp::CrewCalendarRequest request;
    request.from = tp::kFirstSupportedDay;
    request.to = tp::kLastSupportedDay;
    request.markings = &markingList;
    request.bars = &barList;
    std::size_t events = 0;
    for (auto _ : state) {
        const auto crewEvents = tp::crewCalendarEvents(request);
        events = crewEvents.size();
        const std::string text = tp::iCalendarText(crewEvents, "Turnoplaner Rot", 1'800'000'000);
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_IcsExportWholeRange)->Unit(benchmark::kMillisecond);

} // namespace
