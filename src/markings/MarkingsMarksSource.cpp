#include "markings/MarkingsMarksSource.h"

namespace tp {

void MarkingsMarksSource::addMarks(DayNumber day, DayMarks& marks) const {
    if (const std::uint32_t colour = barColourOfDay(bars_, day); colour != 0)
        marks.barColour = static_cast<int>(colour);
    if (const ShiftMarking* marking = markings_.markingOf(day)) {
        marks.markingColumn = marking->column;
        marks.markingLetter = std::string(1, markingLetter(type_, marking->code));
    }
}

} // namespace tp
