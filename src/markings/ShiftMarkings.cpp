#include "markings/ShiftMarkings.h"

#include "markings/MarkingFile.h"
#include "platform/LittleEndian.h"

#include <algorithm>

namespace tp {

namespace {

constexpr std::size_t kMarkingRecordSize = 6;

bool byDay(const ShiftMarking& a, const ShiftMarking& b) {
    return a.day < b.day;
}

} // namespace

ShiftMarkingList::ShiftMarkingList(std::vector<ShiftMarking> markings)
    : entries_(std::move(markings)) {
    // Files written by the program are in order already.
    if (!std::is_sorted(entries_.begin(), entries_.end(), byDay))
        std::stable_sort(entries_.begin(), entries_.end(), byDay);
    const auto sameDay = [](const ShiftMarking& a, const ShiftMarking& b) {
        return a.day == b.day;
    };
    entries_.erase(std::unique(entries_.begin(), entries_.end(), sameDay), entries_.end());
}

const ShiftMarking* ShiftMarkingList::markingOf(DayNumber day) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), ShiftMarking{day}, byDay);
    return it != entries_.end() && it->day == day ? &*it : nullptr;
}

void ShiftMarkingList::put(const ShiftMarking& marking) {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), marking, byDay);
    if (it != entries_.end() && it->day == marking.day)
        *it = marking;
    else
        entries_.insert(it, marking);
    changed = true;
}

void ShiftMarkingList::remove(DayNumber day) {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), ShiftMarking{day}, byDay);
    if (it == entries_.end() || it->day != day)
        return;
    entries_.erase(it);
    changed = true;
}

void ShiftMarkingList::removeUpTo(DayNumber lastDay) {
    const auto end =
        std::upper_bound(entries_.begin(), entries_.end(), ShiftMarking{lastDay}, byDay);
    if (end == entries_.begin())
        return;
    entries_.erase(entries_.begin(), end);
    changed = true;
}

std::string shiftMarkingFileBytes(const ShiftMarkingList& list) {
    std::string bytes;
    bytes.reserve(list.entries().size() * kMarkingRecordSize);
    DayNumber lastWritten = 0;
    for (const ShiftMarking& marking : list.entries()) {
        if (marking.day == 0 || marking.day == lastWritten)
            continue;
        appendInt32(bytes, marking.day);
        bytes.push_back(static_cast<char>(marking.column));
        bytes.push_back(static_cast<char>(marking.code));
        lastWritten = marking.day;
    }
    return bytes;
}

ShiftMarkingList shiftMarkingsFromFileBytes(std::string_view bytes) {
    std::vector<ShiftMarking> markings;
    markings.reserve(bytes.size() / kMarkingRecordSize);
    for (std::size_t offset = 0; offset + kMarkingRecordSize <= bytes.size();
         offset += kMarkingRecordSize) {
        const ShiftMarking marking{int32At(bytes, offset),
                                   static_cast<std::int8_t>(bytes[offset + 4]),
                                   static_cast<std::int8_t>(bytes[offset + 5])};
        // Day 0 is never saved; keeping it would count a marking the file cannot hold. A day
        // beyond the calendar is damage no page can show.
        if (marking.day != 0 && isCalendarDay(marking.day))
            markings.push_back(marking);
    }
    return ShiftMarkingList(std::move(markings));
}

ShiftMarkingList loadShiftMarkings(UserFileStore& store, const std::filesystem::path& folder) {
    return loadMarkingFile(
        store, folder / kShiftMarkingFileName, shiftMarkingsFromFileBytes, kMarkingRecordSize,
        +[](const ShiftMarkingList& list) { return list.entries().size(); });
}

SaveResult saveShiftMarkings(UserFileStore& store, const std::filesystem::path& folder,
                             ShiftMarkingList& list) {
    return saveMarkingFile(store, folder / kShiftMarkingFileName, list, shiftMarkingFileBytes);
}

int currentMarkingCode(const ShiftMarkingList& list, DayNumber day) {
    const ShiftMarking* marking = list.markingOf(day);
    return marking ? marking->code : 0;
}

void storeShiftMarking(ShiftMarkingList& list, CalendarType type, DayNumber day, int column,
                       int code) {
    if (code == deleteMarkingCode(type)) {
        list.remove(day);
        return;
    }
    list.put({day, static_cast<std::int8_t>(column), static_cast<std::int8_t>(code)});
}

} // namespace tp
