// Cost of the save of a shared markings file that another installation changed meanwhile:
// read the file on disk, merge three ways, write the result in its 6-byte records.
#include "platform/AtomicFile.h"
#include "settings/SharedDataMerge.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

using namespace tp;

constexpr int kMarkingCount = 10000;

std::string recordBytes(const std::vector<MarkingRecord>& markings) {
    std::string bytes(markings.size() * 6, '\0');
    char* out = bytes.data();
    for (const MarkingRecord& marking : markings) {
        const auto day = static_cast<std::uint32_t>(marking.day);
        for (int shift = 0; shift < 4; ++shift)
            *out++ = static_cast<char>((day >> (8 * shift)) & 0xFF);
        *out++ = static_cast<char>(marking.column);
        *out++ = static_cast<char>(marking.code);
    }
    return bytes;
}

std::vector<MarkingRecord> recordsOf(const std::string& bytes) {
    std::vector<MarkingRecord> markings;
    markings.reserve(bytes.size() / 6);
    for (std::size_t at = 0; at + 6 <= bytes.size(); at += 6) {
        std::uint32_t day = 0;
        for (int shift = 3; shift >= 0; --shift)
            day = (day << 8) | static_cast<unsigned char>(bytes[at + shift]);
        markings.push_back({static_cast<DayNumber>(day), static_cast<std::uint8_t>(bytes[at + 4]),
                            static_cast<std::uint8_t>(bytes[at + 5])});
    }
    return markings;
}

void BM_SaveMarkingsAgainstChangedFile(benchmark::State& state) {
    std::vector<MarkingRecord> loaded;
    for (int i = 0; i < kMarkingCount; ++i)
        loaded.push_back(
            {1 + 2 * i, static_cast<std::uint8_t>(1 + i % 4), static_cast<std::uint8_t>(i % 6)});
    std::vector<MarkingRecord> edited = loaded, onDisk = loaded;
    for (int i = 0; i < kMarkingCount; i += 10) {
        edited[i].code = static_cast<std::uint8_t>((edited[i].code + 1) % 6); // changed here
        onDisk[i + 5].column = static_cast<std::uint8_t>(1 + onDisk[i + 5].column % 4); // and there
    }
    for (int i = 0; i < kMarkingCount; i += 50)
        onDisk[i].code = 5; // both changed the same day
    // The other installation's file, and the one this installation writes (kept apart so
    // that every round meets the same changed file).
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path theirs = folder / "turnoplaner-bench-theirs.dat";
    const std::filesystem::path saved = folder / "turnoplaner-bench-saved.dat";
    writeFileAtomically(theirs, recordBytes(onDisk));

    for (auto _ : state) {
        std::string bytes;
        readWholeFile(theirs, bytes);
        const auto merged = mergeMarkings(loaded, edited, recordsOf(bytes));
        writeFileAtomically(saved, recordBytes(merged.records));
        benchmark::DoNotOptimize(merged.replacedEntries);
    }
    std::filesystem::remove(theirs);
    std::filesystem::remove(saved);
}
BENCHMARK(BM_SaveMarkingsAgainstChangedFile)->Unit(benchmark::kMillisecond);

} // namespace
