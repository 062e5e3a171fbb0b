// Cost of a backup and a restore of a heavy user's data folder: 10,000 notes, 10,000
// markings and 500 bars.
#include "backup/Backup.h"
#include "model/DayNumber.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include "FullUserFolder.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tp;
namespace fs = std::filesystem;

const BackupManifest kManifest{"Anna", "2024-03-01 12:00:00", "0.1"};
constexpr LocalDateTime kNow{2024, 3, 2, 8, 30, 0};

void BM_Backup(benchmark::State& state) {
    test::TemporaryFolder place;
    const fs::path folder = place.path() / "Anna";
    bench::fillUserFolder(folder, dayNumberOf(1990, 1, 1));
    test::TestStore store;
    for (auto _ : state) {
        const BackupWritten written =
            writeBackup(store, {folder, folder, "Anna"}, place.path() / "a.zip", kManifest);
        if (!written.ok())
            state.SkipWithError(written.problem.c_str());
    }
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Iterations(3);

// range(0): 0 into a new user's folder, 1 over the same data (backed up first).
void BM_Restore(benchmark::State& state) {
    test::TemporaryFolder place;
    const fs::path folder = place.path() / "Anna";
    bench::fillUserFolder(folder, dayNumberOf(1990, 1, 1));
    test::TestStore store;
    const fs::path archive = place.path() / "Sicherungen" / "a.zip";
    writeBackup(store, {folder, folder, "Anna"}, archive, kManifest);
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path target =
            state.range(0) == 0 ? place.path() / ("Neu" + std::to_string(run++)) : folder;
        LocalDateTime now = kNow;
        now.second = run++;
        state.ResumeTiming();
        const RestoreDone done = restoreBackup(store, archive, {target, target, "Anna"},
                                               archive.parent_path(), kManifest, now, false);
        if (!done.ok())
            state.SkipWithError(done.problem.c_str());
    }
}
BENCHMARK(BM_Restore)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
