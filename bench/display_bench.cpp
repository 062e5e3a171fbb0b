// Cost of one page rebuild: background, every month column and the cursor frame.
#include "astro/AstronomyMarksSource.h"
#include "display/qt/PageDrawingCache.h"
#include "display/qt/PageFont.h"
#include "display/qt/PageRenderer.h"
#include "display/qt/ShiftPlanSheet.h"

#include <QGuiApplication>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

using namespace tp;

void BM_RebuildPage(benchmark::State& state) {
    ShiftSystem shifts;
    shifts.calendarType = *calendarTypeFromNumber(static_cast<int>(state.range(1)));
    PageInput input{shifts, ViewPosition{2026, 12, 0, 7}};
    input.lastColumnIndex = static_cast<int>(state.range(0)) - 1;
    const std::optional<QFont> font = pageFontOf({"DejaVu Sans"});
    input.font = font.value_or(QFont());
    input.units = unitsOfFont(font);
    QImage page;
    DayCellTable cells;
    PageDrawingCache drawingCache; // kept across pages, as the main window keeps it
    for (auto _ : state) {
        drawMonthColumns(page, input, cells, drawingCache);
        drawCursorFrame(page, input);
        benchmark::DoNotOptimize(page.constBits());
    }
}
// Columns, calendar type.
BENCHMARK(BM_RebuildPage)
    ->Args({6, 1})
    ->Args({24, 1})
    ->Args({24, 0})
    ->Args({24, 7})
    ->Unit(benchmark::kMicrosecond);

// 24 columns from January 1985 with the astronomy marks. range(0) = 1: the remembered
// lunations are thrown away for every page; 0: they are kept across pages, as the main window
// keeps them. range(1) = 1: moon phases and the apogee and perigee letters on; 0: the default
// settings, where only the eclipse marks are looked for.
void BM_RebuildPageWithAstronomy(benchmark::State& state) {
    const bool allMarks = state.range(1) == 1;
    ShiftSystem shifts;
    shifts.calendarType = CalendarType::WendringWerk;
    PageInput input{shifts, ViewPosition{1985, 1, 0, 7}};
    input.lastColumnIndex = 23;
    input.switches.moonPhases = allMarks;
    input.switches.orbitExtremes = allMarks;
    const std::optional<QFont> font = pageFontOf({"DejaVu Sans"});
    input.font = font.value_or(QFont());
    input.units = unitsOfFont(font);
    const bool freshCache = state.range(0) == 1;
    auto cache = std::make_unique<LunationCache>();
    QImage page;
    DayCellTable cells;
    PageDrawingCache drawingCache; // kept across pages, as the main window keeps it
    for (auto _ : state) {
        if (freshCache)
            cache = std::make_unique<LunationCache>();
        const AstronomyMarksSource source(AstronomySettings{}, dayMarkRequestOf(allMarks, allMarks),
                                          *cache);
        input.markSources = {&source};
        drawMonthColumns(page, input, cells, drawingCache);
        drawCursorFrame(page, input);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_RebuildPageWithAstronomy)
    ->Args({1, 1})
    ->Args({0, 1})
    ->Args({0, 0})
    ->Unit(benchmark::kMicrosecond);

void BM_ShiftPlanSheet(benchmark::State& state) {
    ShiftSystem shifts;
    shifts.calendarType = CalendarType::WendringStandardSheet;
    PageInput input{shifts, ViewPosition{2026, 12, 0, 7}};
    const std::optional<QFont> font = pageFontOf(FontChoice{});
    input.font = font.value_or(QFont());
    input.units = unitsOfFont(font);
    QImage page;
    PageDrawingCache drawingCache;
    for (auto _ : state) {
        drawShiftPlanSheet(page, input, drawingCache);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_ShiftPlanSheet)->Unit(benchmark::kMicrosecond);

} // namespace

// Fonts need a GUI application; no screen is needed.