#pragma once

#include "model/DayNumber.h"
#include "notes/NoteFiles.h"

#include <string>
#include <string_view>
#include <vector>

namespace tp {

// The text an editor stores: without the line breaks and tabs typed after its last character,
// but with every character the note had when it was opened (`opened`) and the user did not
// delete, so that only breaks and tabs beyond those the note ended with are dropped.
std::string withoutTypedTrailingBreaks(std::string text, std::string_view opened);

// A note that two installations changed, both kept: the text of the other one, a separating
// line, then this one's (each alone when the other is empty). Texts with CR LF line breaks.
std::string bothNoteTexts(std::string_view otherText, std::string_view ownText);

// The period of a periodic note file name: the number after its first ".".
int periodOfPeriodicFileName(const std::string& fileName);

// The weekday-in-month notes that meet on `day`, in index order: those of its own occurrence in
// its month or in every month and, on a fourth weekday that is also the last, the last-weekday
// notes.
std::vector<std::int32_t> weekdayNoteCodesOfDay(const NoteIndexes& indexes, DayNumber day);

// The repetition a new weekday-in-month note on `day` starts with: the day's month and
// occurrence, the last one when no later such weekday follows in the month.
WeekdayNoteRule proposedWeekdayRule(DayNumber day);

} // namespace tp
