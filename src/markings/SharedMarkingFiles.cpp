#include "markings/SharedMarkingFiles.h"

#include "markings/SharedEntryMerge.h"

namespace tp {

namespace {

// What tells the two shared files apart.
template <typename List, typename Entry> struct SharedFile {
    const char* name;
    List (*load)(UserFileStore&, const std::filesystem::path&);
    SaveResult (*save)(UserFileStore&, const std::filesystem::path&, List&);
    MergedRecords<Entry> (*merge)(const std::vector<Entry>&, const std::vector<Entry>&,
                                  const std::vector<Entry>&);
    const std::vector<Entry>& (List::*entries)() const;
    // What the file holds after the list was written.
    std::vector<Entry> (*stored)(const List&);
};

// Day 0 and second markings of a day are not stored.
constexpr SharedFile<ShiftMarkingList, ShiftMarking> kMarkingFile{
    kShiftMarkingFileName,
    loadShiftMarkings,
    saveShiftMarkings,
    mergeMarkings,
    &ShiftMarkingList::entries,
    [](const ShiftMarkingList& list) {
        return shiftMarkingsFromFileBytes(shiftMarkingFileBytes(list)).entries();
    }};
constexpr SharedFile<CalendarBarList, CalendarBar> kBarFile{
    kCalendarBarFileName,   loadCalendarBars,
    saveCalendarBars,       mergeBars,
    &CalendarBarList::bars, [](const CalendarBarList& list) { return list.bars(); }};

template <typename List, typename Entry>
SharedSaveResult saveShared(const SharedFile<List, Entry>& file, UserFileStore& store,
                            const std::filesystem::path& folder, List& list,
                            std::vector<Entry>& asLoaded) {
    const std::filesystem::path path = folder / file.name;
    // A file that could not be read before is read again: the user may have mended it.
    const auto lock = store.lockFolder(folder);
    if (!lock)
        return {{false, lock.reason}};
    const List onDisk = file.load(store, folder);
    if (store.isUnreadable(path))
        return {refusedUnreadableFile(path)};

    List toWrite;
    int replaced = 0;
    if ((onDisk.*file.entries)() == asLoaded) { // nobody else wrote it
        toWrite = list;
    } else {
        const auto merged = file.merge(asLoaded, (list.*file.entries)(), (onDisk.*file.entries)());
        toWrite = List(merged.records);
        replaced = merged.replacedEntries;
    }
    SharedSaveResult result{file.save(store, folder, toWrite), replaced};
    if (result.saved.ok) {
        list = List(file.stored(toWrite));
        asLoaded = (list.*file.entries)();
    }
    return result;
}

} // namespace

SharedSaveResult saveShiftMarkingsShared(UserFileStore& store, const std::filesystem::path& folder,
                                         ShiftMarkingList& list,
                                         std::vector<ShiftMarking>& asLoaded) {
    return saveShared(kMarkingFile, store, folder, list, asLoaded);
}

SharedSaveResult saveCalendarBarsShared(UserFileStore& store, const std::filesystem::path& folder,
                                        CalendarBarList& list, std::vector<CalendarBar>& asLoaded) {
    return saveShared(kBarFile, store, folder, list, asLoaded);
}

} // namespace tp
