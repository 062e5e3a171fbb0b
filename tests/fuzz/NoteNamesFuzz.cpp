// Note file names, as a folder listing could hold them: whatever a name reads as names a file
// that reads the same, and the notes the editors store for a day mark that day among any others.
// The input is a day selector (four bytes) followed by names separated by '/'.

#include "FuzzTarget.h"

#include "notes/NoteNames.h"
#include "notes/NotesOfDay.h"
#include "platform/LittleEndian.h"

#include <algorithm>
#include <string_view>

using namespace tp;

namespace {

// Reads `name` as each kind of note, as the listing does, and adds what counts to `indexes`.
void readName(std::string_view name, NoteIndexes& indexes) {
    if (const auto code = dayNoteCodeOfName(name)) {
        require(dayNoteCodeOfName(dayNoteFileName(*code)) == code);
        indexes.dayNotes.push_back(*code);
    }
    if (const auto code = yearlyCodeOfName(name)) {
        require(yearlyCodeOfName(yearlyNoteFileName(*code)) == code);
        indexes.yearlyNotes.push_back(*code);
    }
    if (const auto code = weekdayCodeOfName(name)) {
        require(weekdayCodeOfName(weekdayNoteFileName(*code)) == code);
        indexes.weekdayNotes.push_back(*code);
    }
    if (const auto entry = periodicEntryOfName(name)) {
        require(entry->anchor > 0);
        require(periodicEntryOfName(periodicNoteFileName(entry->anchor, entry->period)) == entry);
        indexes.periodicNotes.push_back(*entry);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() < 4)
        return 0;
    const std::uint32_t selector = uint32At(input, 0);
    input.remove_prefix(4);

    NoteIndexes indexes;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('/', start), input.size());
        readName(input.substr(start, end - start), indexes);
        start = end + 1;
    }

    // One note of every kind stored for the chosen day, named as the editors name them.
    const DayNumber day = static_cast<DayNumber>(selector % (kLastSupportedDay + 1));
    const int period = 1 + static_cast<int>(selector / (kLastSupportedDay + 1) % 365);
    const CivilDate date = civilFromDayNumber(day);
    const WeekdayNoteRule rule{selector % 2 ? kEveryMonth : date.month, weekdayOf(day),
                               occurrenceOfDay(date.day)};
    require(weekdayNoteRuleOfCode(weekdayNoteCode(rule)) == rule);
    readName(dayNoteFileName(dateCodeOf(day)), indexes);
    readName(yearlyNoteFileName(yearlyCodeOf(date)), indexes);
    readName(weekdayNoteFileName(weekdayNoteCode(rule)), indexes);
    readName(periodicNoteFileNameFor(day, period), indexes);
    for (auto* codes : {&indexes.dayNotes, &indexes.yearlyNotes, &indexes.weekdayNotes})
        std::sort(codes->begin(), codes->end());

    const DayNoteMarks marks = noteMarksOfDay(indexes, day);
    require(marks.dayNote && marks.yearlyNote && marks.periodicNotes >= 1 &&
            marks.weekdayMarks % 2 == 1);
    require(periodicNoteExists(indexes, day, period));
    require(!nthPeriodicNoteFile(indexes, day, marks.periodicNotes).empty());
    require(nthPeriodicNoteFile(indexes, day, marks.periodicNotes + 1).empty());
    return 0;
}

std::vector<std::string> fuzzSeeds() {
    const std::string christmasEve2016 = std::string("\x07\x43\x00\x00", 4);
    return {christmasEve2016 + "20161124.txt/393.365.tnt/1124.jnt/11223.wmt/11224.wmt",
            std::string("\xFF\xFF\xFF\xFF", 4) + " +20381131x.txt/-5.7.tnt/7..tnt/.tnt/0.wmt",
            christmasEve2016 + "2147483648.wmt/-2147483649.1.tnt/19700001/1131.jnt.bak"};
}
