#include "markings/SharedEntryMerge.h"

#include <algorithm>
#include <optional>

namespace tp {

namespace {

DayNumber keyOf(const ShiftMarking& marking) {
    return marking.day;
}

// Sorted by key, the first entry of a key kept (as the files are read and written).
template <typename Record> std::vector<Record> sortedByKey(std::vector<Record> records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const Record& a, const Record& b) { return keyOf(a) < keyOf(b); });
    records.erase(
        std::unique(records.begin(), records.end(),
                    [](const Record& a, const Record& b) { return keyOf(a) == keyOf(b); }),
        records.end());
    return records;
}

// Walks a sorted list key by key.
template <typename Record> class KeyCursor {
  public:
    explicit KeyCursor(const std::vector<Record>& records) : records_(records) {}

    std::optional<DayNumber> key() const {
        if (next_ == records_.size())
            return std::nullopt;
        return keyOf(records_[next_]);
    }
    // The entry of `key`, moving past it; nothing when the list has none.
    std::optional<Record> take(DayNumber key) {
        if (next_ == records_.size() || keyOf(records_[next_]) != key)
            return std::nullopt;
        return records_[next_++];
    }

  private:
    const std::vector<Record>& records_;
    std::size_t next_ = 0;
};

template <typename Record, typename Keep>
int mergeByKey(const std::vector<Record>& loaded, const std::vector<Record>& edited,
               const std::vector<Record>& onDisk, Keep keep) {
    const std::vector<Record> base = sortedByKey(loaded);
    const std::vector<Record> mine = sortedByKey(edited);
    const std::vector<Record> theirs = sortedByKey(onDisk);
    KeyCursor<Record> baseCursor(base), mineCursor(mine), theirCursor(theirs);

    int replaced = 0;
    for (;;) {
        std::optional<DayNumber> key;
        for (const auto& candidate : {baseCursor.key(), mineCursor.key(), theirCursor.key()})
            if (candidate && (!key || *candidate < *key))
                key = candidate;
        if (!key)
            break;
        const std::optional<Record> was = baseCursor.take(*key);
        const std::optional<Record> ours = mineCursor.take(*key);
        const std::optional<Record> other = theirCursor.take(*key);

        if (ours == was) { // unchanged here: whatever is on disk now
            if (other)
                keep(*other);
        } else if (other == was || other == ours) { // changed only here, or both alike
            if (ours)
                keep(*ours);
        } else { // both changed it, differently: this installation's entry wins
            ++replaced;
            if (ours)
                keep(*ours);
        }
    }
    return replaced;
}

} // namespace

MergedRecords<ShiftMarking> mergeMarkings(const std::vector<ShiftMarking>& loaded,
                                          const std::vector<ShiftMarking>& edited,
                                          const std::vector<ShiftMarking>& onDisk) {
    MergedRecords<ShiftMarking> result;
    result.records.reserve(std::max(edited.size(), onDisk.size()));
    result.replacedEntries = mergeByKey(loaded, edited, onDisk, [&](const ShiftMarking& marking) {
        result.records.push_back(marking);
    });
    return result;
}

MergedRecords<CalendarBar> mergeBars(const std::vector<CalendarBar>& loaded,
                                     const std::vector<CalendarBar>& edited,
                                     const std::vector<CalendarBar>& onDisk) {
    // What this installation deleted (or changed away from) and added, as multisets of bars.
    std::vector<CalendarBar> deletedHere = loaded;
    std::vector<CalendarBar> addedHere;
    for (const CalendarBar& bar : edited) {
        const auto was = std::find(deletedHere.begin(), deletedHere.end(), bar);
        if (was != deletedHere.end())
            deletedHere.erase(was);
        else
            addedHere.push_back(bar);
    }

    MergedRecords<CalendarBar> result;
    result.records.reserve(onDisk.size() + addedHere.size());
    for (const CalendarBar& bar : onDisk) {
        const auto deleted = std::find(deletedHere.begin(), deletedHere.end(), bar);
        if (deleted != deletedHere.end()) {
            deletedHere.erase(deleted);
            continue;
        }
        result.records.push_back(bar);
    }
    for (const CalendarBar& bar : addedHere)
        // The other installation may have entered the very same bar.
        if (std::find(result.records.begin(), result.records.end(), bar) == result.records.end())
            result.records.push_back(bar);
    std::stable_sort(result.records.begin(), result.records.end(),
                     [](const CalendarBar& a, const CalendarBar& b) { return a.start < b.start; });
    return result;
}

} // namespace tp
