#include "markings/CalendarBars.h"

#include "markings/MarkingFile.h"
#include "platform/LittleEndian.h"

#include <algorithm>

namespace tp {

namespace {

constexpr std::size_t kBarRecordSize = 12;

} // namespace

CalendarBarList::CalendarBarList(std::vector<CalendarBar> bars) : bars_(std::move(bars)) {
    reindex();
}

void CalendarBarList::reindex() {
    std::stable_sort(bars_.begin(), bars_.end(),
                     [](const CalendarBar& a, const CalendarBar& b) { return a.start < b.start; });
    furthestEnd_.resize(bars_.size());
    DayNumber furthest = 0;
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        furthest = i == 0 ? bars_[i].end : std::max(furthest, bars_[i].end);
        furthestEnd_[i] = furthest;
    }
}

int CalendarBarList::indexOfBarAt(DayNumber day) const {
    // Where the furthest end first reaches `day`, that bar itself reaches it and all before
    // it end earlier; it covers the day unless it starts later, and then so do all after it.
    const auto reaching = std::lower_bound(furthestEnd_.begin(), furthestEnd_.end(), day);
    if (reaching == furthestEnd_.end())
        return -1;
    const auto index = static_cast<std::size_t>(reaching - furthestEnd_.begin());
    return bars_[index].start <= day ? static_cast<int>(index) : -1;
}

void CalendarBarList::append(const CalendarBar& bar) {
    bars_.push_back(bar);
    reindex();
    changed = true;
}

void CalendarBarList::replace(int index, const CalendarBar& bar) {
    bars_[static_cast<std::size_t>(index)] = bar;
    reindex();
    changed = true;
}

void CalendarBarList::removeAt(int index) {
    bars_.erase(bars_.begin() + index);
    reindex();
    changed = true;
}

void CalendarBarList::removeStartingUpTo(DayNumber lastDay) {
    const auto end =
        std::upper_bound(bars_.begin(), bars_.end(), lastDay,
                         [](DayNumber day, const CalendarBar& bar) { return day < bar.start; });
    if (end == bars_.begin())
        return;
    bars_.erase(bars_.begin(), end);
    reindex();
    changed = true;
}

std::uint32_t barColourOfDay(const CalendarBarList& list, DayNumber day) {
    const int index = list.indexOfBarAt(day);
    return index < 0 ? 0 : list.bars()[static_cast<std::size_t>(index)].colour;
}

std::string calendarBarFileBytes(const CalendarBarList& list) {
    std::string bytes;
    bytes.reserve(list.bars().size() * kBarRecordSize);
    for (const CalendarBar& bar : list.bars()) {
        appendInt32(bytes, bar.start);
        appendInt32(bytes, bar.end);
        appendUint32(bytes, bar.colour);
    }
    return bytes;
}

CalendarBarList calendarBarsFromFileBytes(std::string_view bytes) {
    std::vector<CalendarBar> bars;
    bars.reserve(bytes.size() / kBarRecordSize);
    for (std::size_t offset = 0; offset + kBarRecordSize <= bytes.size();
         offset += kBarRecordSize) {
        const CalendarBar bar{int32At(bytes, offset), int32At(bytes, offset + 4),
                              storableBarColour(uint32At(bytes, offset + 8))};
        // A bar beyond the calendar or ending before it starts is damage: it is dropped.
        if (isCalendarDay(bar.start) && isCalendarDay(bar.end) && bar.start <= bar.end)
            bars.push_back(bar);
    }
    return CalendarBarList(std::move(bars));
}

CalendarBarList loadCalendarBars(UserFileStore& store, const std::filesystem::path& folder) {
    return loadMarkingFile(
        store, folder / kCalendarBarFileName, calendarBarsFromFileBytes, kBarRecordSize,
        +[](const CalendarBarList& list) { return list.bars().size(); });
}

SaveResult saveCalendarBars(UserFileStore& store, const std::filesystem::path& folder,
                            CalendarBarList& list) {
    return saveMarkingFile(store, folder / kCalendarBarFileName, list, calendarBarFileBytes);
}

void deleteBarsUpTo(CalendarBarList& list, DayNumber lastDay) {
    list.removeStartingUpTo(lastDay);
}

CalendarBar barShownForDay(const CalendarBarList& list, DayNumber day) {
    const int index = list.indexOfBarAt(day);
    if (index >= 0)
        return list.bars()[static_cast<std::size_t>(index)];
    return {day, day, kDefaultBarColour};
}

void saveBarEntry(CalendarBarList& list, DayNumber start, DayNumber end, std::uint32_t colour) {
    if (start > end)
        std::swap(start, end);
    const CalendarBar bar{start, end, storableBarColour(colour)};
    int index = list.indexOfBarAt(start);
    if (index < 0)
        index = list.indexOfBarAt(end);
    if (index < 0)
        list.append(bar);
    else
        list.replace(index, bar);
}

void deleteBarEntry(CalendarBarList& list, DayNumber start, DayNumber end) {
    const int index = list.indexOfBarAt(std::min(start, end));
    if (index >= 0)
        list.removeAt(index);
}

} // namespace tp
