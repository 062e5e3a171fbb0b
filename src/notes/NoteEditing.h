#pragma once

#include "model/DayNumber.h"
#include "notes/NoteFiles.h"

#include <string>
#include <vector>

namespace tp {

// A note is stored without the line breaks and tabs typed after its last character.
std::string withoutTrailingControls(std::string text);

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
