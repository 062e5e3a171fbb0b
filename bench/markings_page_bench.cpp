// A 24-column page full of shift markings and calendar bars.
#include "astro/AstronomyMarksSource.h"
#include "display/qt/PageDrawingCache.h"
#include "display/qt/PageFont.h"
#include "display/qt/PageRenderer.h"
#include "markings/MarkingsMarksSource.h"

#include <QGuiApplication>

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

// 24 columns from January 1985 with 10,000 markings (1971..1998, one a day) and 500 bars
// of 1 to 14 days spread over the same years. range(0) = 0: the page without them; 2: with
// them and every astronomy mark (moon phases, eclipses, apogee and perigee), as the main window
// draws it with all marks switched on.
void BM_RebuildPageWithMarkings(benchmark::State& state) {
    ShiftSystem shifts;
    shifts.calendarType = CalendarType::WendringWerk;
    PageInput input{shifts, ViewPosition{1985, 1, 0, 7}};
    input.lastColumnIndex = 23;
    const std::optional<QFont> font = pageFontOf({"DejaVu Sans"});
    input.font = font.value_or(QFont());
    input.units = unitsOfFont(font);

    const ShiftMarkingList markings = spreadMarkings(dayNumberOf(1971, 1, 1), 10000, 1);
    std::mt19937 random(5);
    std::vector<CalendarBar> bars;
    for (int i = 0; i < 500; ++i) {
        const DayNumber start = dayNumberOf(1971, 1, 1) + i * 20;
        bars.push_back({start, start + static_cast<DayNumber>(random() % 14),
                        static_cast<std::uint32_t>(random() & 0xFFFFFF) | 0x010101u});
    }
    const CalendarBarList barList(bars);
    const MarkingsMarksSource source(markings, barList, CalendarType::WendringWerk);
    LunationCache lunations;
    const AstronomyMarksSource astronomy(AstronomySettings{}, dayMarkRequestOf(true, true),
                                         lunations);
    if (state.range(0) == 1)
        input.markSources = {&source};
    if (state.range(0) == 2) {
        input.switches.moonPhases = true;
        input.switches.orbitExtremes = true;
        input.markSources = {&astronomy, &source};
    }
    QImage page;
    DayCellTable cells;
    PageDrawingCache drawingCache; // kept across pages, as the main window keeps it
    for (auto _ : state) {
        drawMonthColumns(page, input, cells, drawingCache);
        drawCursorFrame(page, input);
        benchmark::DoNotOptimize(page.constBits());
    }
}
BENCHMARK(BM_RebuildPageWithMarkings)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

// Fonts need a GUI application; no screen is needed.