// The main window's page rebuild at 24 columns in 1985 with every astronomy mark, a full note
// folder and the status lines of the selected day.
#include "shell/Command.h"
#include "shell/qt/MainWindow.h"

#include "QuietShell.h"
#include "notes/NoteNames.h"
#include "support/TemporaryFolder.h"

#include <QApplication>

#include <chrono>
#include <fstream>
#include <optional>

#include <benchmark/benchmark.h>

namespace {

using namespace tp;
namespace fs = std::filesystem;

// 10,000 day notes on consecutive days from 1971 on (so every day of the page has one) and 50
// notes of each other kind.
void fillFolder(const test::TemporaryFolder& folder) {
    const DayNumber first = dayNumberOf(1971, 1, 1);
    for (int i = 0; i < 10000; ++i)
        folder.put(dayNoteFileName(dateCodeOf(first + i)), "Notiz " + std::to_string(i));
    for (int i = 0; i < 50; ++i) {
        folder.put(periodicNoteFileNameFor(first + i, 20 + i), "periodisch");
        folder.put(yearlyNoteFileName(yearlyCodeOf(civilFromDayNumber(first + 7 * i))),
                   "Geburtstag <1970>");
        folder.put(
            weekdayNoteFileName(weekdayNoteCode({i % 13, static_cast<Weekday>(i % 7), i % 5})),
            "Wochentag");
    }
}

// A main window on `folder` at 24 columns in March 1985 with every astronomy mark.
struct FullWindow {
    explicit FullWindow(const test::TemporaryFolder& folder);

    const FixedClock clock{LocalDateTime{1985, 3, 7, 12, 0, 0}};
    SystemFileSystem files;
    Session session{files, clock};
    const bench::QuietShell shell{clock, QSize(20000, 5000)};
    std::optional<MainWindow> window;
};

FullWindow::FullWindow(const test::TemporaryFolder& folder) {
    ProgramSettings settings;
    settings.lastColumnIndex = 23;
    settings.font.name = "DejaVu Sans";
    settings.switches.moonPhases = true;
    settings.switches.orbitExtremes = true;
    session.applySettings(settings);
    window.emplace(session, shell.services);
    // The notes come after the start, which would show the day's notes in a window.
    window->startUp();
    session.openDataFolder(folder.path(), {});
}

// The same page drawn again. range(0) = 1: with the note folder; 0: the same page without
// notes.
void BM_MainWindowRebuild1985(benchmark::State& state) {
    const test::TemporaryFolder folder;
    if (state.range(0) == 1)
        fillFolder(folder);
    FullWindow full(folder);
    for (auto _ : state) {
        full.window->rebuildPage(kNoCursorMove);
        benchmark::DoNotOptimize(full.window->pageImage().constBits());
    }
}
BENCHMARK(BM_MainWindowRebuild1985)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "Seite>" with the note folder: every page shows 24 months not seen before (1985 to 2035).
// range(0) = 1: between two pages the window handles its events, as it does while the user
// reads a page (not timed); 0: the pages follow each other at once.
void BM_MainWindowPageForward(benchmark::State& state) {
    const test::TemporaryFolder folder;
    fillFolder(folder);
    FullWindow full(folder);
    for (auto _ : state) {
        full.window->runCommand(Command::PageForward);
        benchmark::DoNotOptimize(full.window->pageImage().constBits());
        if (state.range(0) == 1) {
            state.PauseTiming();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_MainWindowPageForward)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(25);

} // namespace
