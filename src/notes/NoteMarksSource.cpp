#include "notes/NoteMarksSource.h"

#include "notes/NotesOfDay.h"

namespace tp {

void NoteMarksSource::addMarks(DayNumber day, DayMarks& marks) const {
    const DayNoteMarks notes = noteMarksOfDay(indexes_, day, &periodic_);
    marks.dayNote = notes.dayNote;
    marks.periodicNote = notes.periodicNotes > 0;
    marks.yearlyNote = notes.yearlyNote;
    // Both an ordinary and a last-week entry share the place: the mark is drawn half as wide.
    switch (notes.weekdayMarks) {
    case 0:
        marks.weekdayNote = WeekdayNoteMark::None;
        break;
    case 3:
        marks.weekdayNote = WeekdayNoteMark::Half;
        break;
    default:
        marks.weekdayNote = WeekdayNoteMark::Full;
    }
}

} // namespace tp
