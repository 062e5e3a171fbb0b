#include "markings/SharedMarkingFiles.h"

#include "markings/SharedEntryMerge.h"

#include <algorithm>

namespace tp {

namespace {

std::vector<MarkingRecord> recordsOf(const std::vector<ShiftMarking>& markings) {
    std::vector<MarkingRecord> records;
    records.reserve(markings.size());
    for (const ShiftMarking& marking : markings)
        records.push_back({marking.day, static_cast<std::uint8_t>(marking.column),
                           static_cast<std::uint8_t>(marking.code)});
    return records;
}

std::vector<ShiftMarking> markingsOf(const std::vector<MarkingRecord>& records) {
    std::vector<ShiftMarking> markings;
    markings.reserve(records.size());
    for (const MarkingRecord& record : records)
        markings.push_back({record.day, static_cast<std::int8_t>(record.column),
                            static_cast<std::int8_t>(record.code)});
    return markings;
}

std::vector<BarRecord> recordsOf(const std::vector<CalendarBar>& bars) {
    std::vector<BarRecord> records;
    records.reserve(bars.size());
    for (const CalendarBar& bar : bars)
        records.push_back({bar.start, bar.end, static_cast<int>(bar.colour)});
    return records;
}

std::vector<CalendarBar> barsOf(const std::vector<BarRecord>& records) {
    std::vector<CalendarBar> bars;
    bars.reserve(records.size());
    for (const BarRecord& record : records)
        bars.push_back({record.start, record.end, static_cast<std::uint32_t>(record.colour)});
    return bars;
}

// What the file holds after `list` was written: day 0 and second markings of a day are not
// stored.
std::vector<ShiftMarking> storedEntries(const ShiftMarkingList& list) {
    return shiftMarkingsFromFileBytes(shiftMarkingFileBytes(list)).entries();
}

} // namespace

SharedSaveResult saveShiftMarkingsShared(UserFileStore& store, const std::filesystem::path& folder,
                                         ShiftMarkingList& list,
                                         std::vector<ShiftMarking>& asLoaded) {
    const std::filesystem::path path = folder / kShiftMarkingFileName;
    // A file that could not be read before is read again: the user may have mended it.
    const auto lock = store.lockFolder(folder);
    if (!lock)
        return {{false, lock.reason}};
    const ShiftMarkingList onDisk = loadShiftMarkings(store, folder);
    if (store.isUnreadable(path))
        return {refusedUnreadableFile(path)};

    ShiftMarkingList toWrite;
    int replaced = 0;
    if (onDisk.entries() == asLoaded) { // nobody else wrote it
        toWrite = list;
    } else {
        const auto merged = mergeMarkings(recordsOf(asLoaded), recordsOf(list.entries()),
                                          recordsOf(onDisk.entries()));
        toWrite = ShiftMarkingList(markingsOf(merged.records));
        replaced = merged.replacedEntries;
    }
    SharedSaveResult result{saveShiftMarkings(store, folder, toWrite), replaced};
    if (result.saved.ok) {
        list = ShiftMarkingList(storedEntries(toWrite));
        asLoaded = list.entries();
    }
    return result;
}

SharedSaveResult saveCalendarBarsShared(UserFileStore& store, const std::filesystem::path& folder,
                                        CalendarBarList& list, std::vector<CalendarBar>& asLoaded) {
    const std::filesystem::path path = folder / kCalendarBarFileName;
    // A file that could not be read before is read again: the user may have mended it.
    const auto lock = store.lockFolder(folder);
    if (!lock)
        return {{false, lock.reason}};
    const CalendarBarList onDisk = loadCalendarBars(store, folder);
    if (store.isUnreadable(path))
        return {refusedUnreadableFile(path)};

    CalendarBarList toWrite;
    int replaced = 0;
    if (onDisk.bars() == asLoaded) {
        toWrite = list;
    } else {
        const auto merged =
            mergeBars(recordsOf(asLoaded), recordsOf(list.bars()), recordsOf(onDisk.bars()));
        toWrite = CalendarBarList(barsOf(merged.records));
        replaced = merged.replacedEntries;
    }
    SharedSaveResult result{saveCalendarBars(store, folder, toWrite), replaced};
    if (result.saved.ok) {
        list = CalendarBarList(toWrite.bars());
        asLoaded = list.bars();
    }
    return result;
}

} // namespace tp
