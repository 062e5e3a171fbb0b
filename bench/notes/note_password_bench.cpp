// Cost of the note password's check at a login: the check value alone (made at the first
// login, read at every later one), and whole logins into full folders with and without it.
#include "notes/NoteCipher.h"
#include "notes/NoteNames.h"
#include "notes/NotePasswordCheck.h"
#include "session/Session.h"
#include "support/TemporaryFolder.h"

#include <fstream>

#include <benchmark/benchmark.h>

namespace {

using namespace tp;

void BM_MakeNotePasswordCheck(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(makeNotePasswordCheck("geheim"));
}
BENCHMARK(BM_MakeNotePasswordCheck)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_NotePasswordFit(benchmark::State& state) {
    const std::string check = makeNotePasswordCheck("geheim").value_or("");
    for (auto _ : state)
        benchmark::DoNotOptimize(notePasswordFit(check, state.range(0) ? "geheim" : "Geheim"));
}
BENCHMARK(BM_NotePasswordFit)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(10);

// Logs in alternately as Anna and Bert, each with 10,000 day notes enciphered with "geheim";
// with the password their check values are read (made at the first two logins), without it
// the rest of the login is timed alone.
void BM_LoginIntoFullFolder(benchmark::State& state) {
    const bool withPassword = state.range(0) != 0;
    const test::TemporaryFolder start;
    const FixedClock clock{{2016, 12, 24, 9, 30, 0}};
    SystemFileSystem files;
    Session session(files, clock);
    session.start(start.path());
    const NoteCipher cipher("geheim");
    for (const char* name : {"Anna", "Bert"}) {
        const std::filesystem::path folder = session.state().dataRoot / name;
        std::filesystem::create_directories(folder);
        const DayNumber first = dayNumberOf(2000, 1, 1);
        for (int i = 0; i < 10000; ++i)
            std::ofstream(folder / dayNoteFileName(dateCodeOf(first + i)), std::ios::binary)
                << cipher.encipherNote("Notiz " + std::to_string(i) + ", Tel. 0815 4711");
        SessionReport report;
        session.logIn(name, withPassword ? "geheim" : "", report);
    }
    int round = 0;
    for (auto _ : state) {
        SessionReport report;
        session.logIn(round++ % 2 == 0 ? "Anna" : "Bert", withPassword ? "geheim" : "", report);
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(BM_LoginIntoFullFolder)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
