// Cost of the save of a shared markings file that another installation changed meanwhile:
// read the file on disk, merge three ways, write the result in its 6-byte records.
#include "markings/SharedMarkingFiles.h"
#include "platform/AtomicFile.h"
#include "support/TestStore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

using namespace tp;

constexpr int kMarkingCount = 10000;

void BM_SaveMarkingsAgainstChangedFile(benchmark::State& state) {
    std::vector<ShiftMarking> loaded;
    for (int i = 0; i < kMarkingCount; ++i)
        loaded.push_back(
            {1 + 2 * i, static_cast<std::int8_t>(1 + i % 4), static_cast<std::int8_t>(i % 6)});
    ShiftMarkingList edited(loaded), onDisk(loaded);
    for (int i = 0; i < kMarkingCount; i += 10) {
        ShiftMarking here = loaded[static_cast<std::size_t>(i)];
        here.code = static_cast<std::int8_t>((here.code + 1) % 6); // changed here
        edited.put(here);
        ShiftMarking there = loaded[static_cast<std::size_t>(i + 5)];
        there.column = static_cast<std::int8_t>(1 + there.column % 4); // and there
        onDisk.put(there);
    }
    for (int i = 0; i < kMarkingCount; i += 50)
        onDisk.put({loaded[static_cast<std::size_t>(i)].day, 1, 5}); // both changed the same day
    for (int i = 0; i < 100; ++i)
        onDisk.put({2 * kMarkingCount + 10 * i, 2, 2}); // and new days there
    const std::string theirBytes = shiftMarkingFileBytes(onDisk);

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "turnoplaner-bench-shared";
    std::filesystem::create_directories(folder);
    for (auto _ : state) {
        state.PauseTiming();
        writeFileAtomically(folder / kShiftMarkingFileName, theirBytes);
        ShiftMarkingList list = edited;
        std::vector<ShiftMarking> asLoaded = loaded;
        state.ResumeTiming();
        const SharedSaveResult result =
            saveShiftMarkingsShared(test::TestStore{}, folder, list, asLoaded);
        benchmark::DoNotOptimize(result.replacedEntries);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveMarkingsAgainstChangedFile)->Unit(benchmark::kMillisecond);

} // namespace
