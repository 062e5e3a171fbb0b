#include "accounts/qt/SupplementsWindow.h"

#include <QApplication>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

// From building the window for December 2026 to its first drawing.
void BM_SupplementsWindowOpen(benchmark::State& state) {
    std::vector<tp::ShiftMarking> markings;
    for (tp::DayNumber day = tp::dayNumberOf(2026, 1, 1); day <= tp::dayNumberOf(2026, 12, 31);
         day += 3)
        markings.push_back(
            {day, 2, static_cast<std::int8_t>(day % 2 ? tp::ExtraWork : tp::Vacation)});
    const tp::ShiftMarkingList markingList(std::move(markings));
    tp::SupplementsWindowInput input;
    input.markings = &markingList;
    input.year = 2026;
    input.month = 12;
    input.wageCents = 1850;
    for (auto _ : state) {
        tp::SupplementsWindow window(input);
        window.show();
        const QPixmap shown = window.grab();
        benchmark::DoNotOptimize(shown.cacheKey());
    }
}
BENCHMARK(BM_SupplementsWindowOpen)->Unit(benchmark::kMillisecond);

} // namespace
