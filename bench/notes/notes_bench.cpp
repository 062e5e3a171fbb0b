// Cost of the note questions: rebuilding the indexes of a full note folder, the note marks of a
// 24-column page and the overview of such a page.
#include "display/qt/PageDrawingCache.h"
#include "display/qt/PageFont.h"
#include "display/qt/PageRenderer.h"
#include "notes/NoteCipher.h"
#include "notes/NoteMarksSource.h"
#include "notes/NotesOfDay.h"
#include "notes/NotesOverview.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <QGuiApplication>

#include <chrono>
#include <fstream>

#include <benchmark/benchmark.h>

namespace {

using namespace tp;
namespace fs = std::filesystem;

constexpr int kFirstYear = 2010;
constexpr int kColumns = 24;

// 10,000 day notes on consecutive days from 2010 on (the page's two years among them) and
// 50 notes of each other kind.
void fillTypicalFolder(const test::TemporaryFolder& folder) {
    const DayNumber first = dayNumberOf(kFirstYear, 1, 1);
    for (int i = 0; i < 10000; ++i)
        folder.put(dayNoteFileName(dateCodeOf(first + i)), "Notiz " + std::to_string(i));
    for (int i = 0; i < 50; ++i) {
        folder.put(periodicNoteFileNameFor(first + i, 20 + i), "periodisch");
        folder.put(yearlyNoteFileName(yearlyCodeOf(civilFromDayNumber(first + 7 * i))),
                   "Geburtstag <1970>");
        const WeekdayNoteRule rule{i % 13, static_cast<Weekday>(i % 7), i % 5};
        folder.put(weekdayNoteFileName(weekdayNoteCode(rule)), "Wochentag");
    }
}

void BM_ReadAllNoteIndexes(benchmark::State& state) {
    const test::TemporaryFolder folder;
    fillTypicalFolder(folder);
    for (auto _ : state) {
        const NoteIndexes indexes = *readNoteIndexes(test::TestStore{}, folder.path());
        benchmark::DoNotOptimize(indexes.dayNotes.data());
    }
}
BENCHMARK(BM_ReadAllNoteIndexes)->Unit(benchmark::kMillisecond);

void BM_NoteMarksOfPage(benchmark::State& state) {
    const test::TemporaryFolder folder;
    fillTypicalFolder(folder);
    const NoteIndexes indexes = *readNoteIndexes(test::TestStore{}, folder.path());
    const std::vector<DayNumber> days = daysOfMonthColumns(kFirstYear + 5, 1, kColumns);
    for (auto _ : state) {
        int marks = 0;
        for (const DayNumber day : days) {
            const DayNoteMarks dayMarks = noteMarksOfDay(indexes, day);
            marks += dayMarks.dayNote + dayMarks.periodicNotes + dayMarks.yearlyNote +
                     dayMarks.weekdayMarks;
        }
        benchmark::DoNotOptimize(marks);
    }
}
BENCHMARK(BM_NoteMarksOfPage)->Unit(benchmark::kMicrosecond);

// The 24-column page with the note marks of a full note folder.
void BM_RebuildPageWithNoteMarks(benchmark::State& state) {
    const test::TemporaryFolder folder;
    fillTypicalFolder(folder);
    const NoteIndexes indexes = *readNoteIndexes(test::TestStore{}, folder.path());
    const NoteMarksSource notes(indexes);
    ShiftSystem shifts;
    PageInput input{shifts, ViewPosition{kFirstYear + 5, 1, 0, 7}};
    input.lastColumnIndex = kColumns - 1;
    const std::optional<QFont> font = pageFontOf({"DejaVu Sans"});
    input.font = font.value_or(QFont());
    input.units = unitsOfFont(font);
    QImage page;
    DayCellTable cells;
    PageDrawingCache drawingCache; // kept across pages, as the main window keeps it
    for (auto _ : state) {
        input.markSources = state.range(0) == 1 ? std::vector<const DayMarksSource*>{&notes}
                                                : std::vector<const DayMarksSource*>{};
        drawMonthColumns(page, input, cells, drawingCache);
        drawCursorFrame(page, input);
        benchmark::DoNotOptimize(page.constBits());
    }
}
// range(0) = 0: the same page without notes, for comparison.
BENCHMARK(BM_RebuildPageWithNoteMarks)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// range(0) = 1: the notes are enciphered.
void BM_NotesOverviewOfPage(benchmark::State& state) {
    const test::TemporaryFolder folder;
    const std::string password = state.range(0) == 1 ? "Schichtplan" : "";
    NoteIndexes indexes;
    const std::vector<DayNumber> days = daysOfMonthColumns(kFirstYear, 1, kColumns);
    for (const DayNumber day : days)
        folder.put(dayNoteFileName(dateCodeOf(day)),
                   NoteCipher(password).encipherNote("Frühschicht\r\nTreffen um 14 Uhr"));
    indexes = *readNoteIndexes(test::TestStore{}, folder.path());
    for (auto _ : state) {
        const std::string text = buildNotesOverview(test::TestStore{}, folder.path(), indexes,
                                                    password, days, days[days.size() / 2]);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_NotesOverviewOfPage)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

// Fonts need a GUI application; no screen is needed.