// Any bytes read as the shift markings file or the calendar bars file give a list that is
// written and read back unchanged, keeps every record it can hold, and answers "which
// marking, which bar on this day" as the file says.

#include "FuzzTarget.h"

#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "platform/LittleEndian.h"

#include <limits>
#include <map>
#include <string_view>

using namespace tp;

namespace {

void checkShiftMarkings(std::string_view bytes) {
    const ShiftMarkingList read = shiftMarkingsFromFileBytes(bytes);
    const std::string written = shiftMarkingFileBytes(read);
    const ShiftMarkingList reread = shiftMarkingsFromFileBytes(written);
    require(reread.entries() == read.entries() && shiftMarkingFileBytes(reread) == written);
    require(written.size() == 6 * read.entries().size());

    // Of each day of the calendar in the file the first record counts; day 0 and days beyond the
    // calendar are never markings.
    std::map<DayNumber, ShiftMarking> firstOfDay;
    for (std::size_t offset = 0; offset + 6 <= bytes.size(); offset += 6) {
        const ShiftMarking record{int32At(bytes, offset),
                                  static_cast<std::int8_t>(bytes[offset + 4]),
                                  static_cast<std::int8_t>(bytes[offset + 5])};
        if (record.day != 0 && isCalendarDay(record.day))
            firstOfDay.try_emplace(record.day, record);
    }
    require(read.entries().size() == firstOfDay.size());
    for (const auto& [day, record] : firstOfDay) {
        const ShiftMarking* kept = read.markingOf(day);
        require(kept && *kept == record);
    }
}

// The first bar in list order that covers `day`, by looking at every bar.
int firstBarCovering(const CalendarBarList& list, DayNumber day) {
    for (std::size_t index = 0; index < list.bars().size(); ++index)
        if (list.bars()[index].start <= day && day <= list.bars()[index].end)
            return static_cast<int>(index);
    return -1;
}

void checkCalendarBars(std::string_view bytes) {
    const CalendarBarList read = calendarBarsFromFileBytes(bytes);
    const std::string written = calendarBarFileBytes(read);
    const CalendarBarList reread = calendarBarsFromFileBytes(written);
    require(reread.bars() == read.bars() && calendarBarFileBytes(reread) == written);
    require(read.bars().size() <= bytes.size() / 12);

    constexpr DayNumber kFirst = std::numeric_limits<DayNumber>::min();
    constexpr DayNumber kLast = std::numeric_limits<DayNumber>::max();
    for (std::size_t index = 0; index < read.bars().size(); ++index) {
        const CalendarBar& bar = read.bars()[index];
        require((bar.colour & 0xFFFFFFu) != 0); // black would read as "no bar"
        require(index == 0 || read.bars()[index - 1].start <= bar.start);
        for (const DayNumber day :
             {bar.start, bar.end, bar.start == kFirst ? bar.start : bar.start - 1,
              bar.end == kLast ? bar.end : bar.end + 1})
            require(read.indexOfBarAt(day) == firstBarCovering(read, day));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkShiftMarkings(bytes);
    checkCalendarBars(bytes);
    return 0;
}

std::vector<std::string> fuzzSeeds() {
    const DayNumber christmasEve = dayNumberOf(2016, 12, 24);
    const ShiftMarkingList markings(
        {{christmasEve, 1, 5}, {christmasEve + 1, 4, 2}, {christmasEve + 7, 2, 9}});
    const CalendarBarList bars({{christmasEve, christmasEve + 6, kDefaultBarColour},
                                {christmasEve + 2, christmasEve + 3, 0x00FF00},
                                {christmasEve - 30, christmasEve + 400, 0x123456}});
    return {shiftMarkingFileBytes(markings), calendarBarFileBytes(bars),
            shiftMarkingFileBytes(markings) + shiftMarkingFileBytes(markings) + "\x07",
            std::string(12, '\0')};
}
