#pragma once

#include "model/DayNumber.h"
#include "notes/NoteFiles.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tp {

// Whether the series of the periodic note `entry` contains `day`.
bool isOnSeries(const PeriodicNoteEntry& entry, DayNumber day);

// Number of periodic notes whose series contains `day`.
int periodicNotesOnDay(const NoteIndexes& indexes, DayNumber day);

// File name of the n-th (1-based, in index order) periodic note on `day`, or the empty text.
std::string nthPeriodicNoteFile(const NoteIndexes& indexes, DayNumber day, int n);

// Whether the series of `period` days through `day` already has a note.
bool periodicNoteExists(const NoteIndexes& indexes, DayNumber day, int period);

// Weekday-in-month notes on `day`: 0 none, 1 a note of the day's own occurrence, 2 a note of the
// last such weekday on a day that is also the fourth, 3 both of these.
int weekdayNoteMarks(const NoteIndexes& indexes, DayNumber day);

// The marks the page shows at a day's number; all answered from the indexes alone.
struct DayNoteMarks {
    bool dayNote = false;
    int periodicNotes = 0;
    bool yearlyNote = false;
    int weekdayMarks = 0; // as weekdayNoteMarks
};
// With `periodic` (made from the same indexes), periodicNotes only tells whether there is any
// periodic note (0 or 1), found without dividing for every note.
class PeriodicNoteDays;
DayNoteMarks noteMarksOfDay(const NoteIndexes& indexes, DayNumber day,
                            PeriodicNoteDays* periodic = nullptr);

// Replaces each year placeholder "<1990>" of a yearly note (Windows-1252 text) by the years
// elapsed until `year`. Stops at the first "<" that does not open a placeholder, so later ones
// stay as typed.
std::string expandYearPlaceholders(std::string_view text, int year);

// How the notes of a day are joined: an empty line between them in the notes window, " | " with
// no-break spaces in the status line.
enum class NoteTextMode { Window, StatusLine };

// Every note that applies to `day` (UTF-8): the day note, the periodic notes, the yearly note
// with its placeholders filled in, the weekday-in-month notes; the empty text when there is none.
// Unreadable characters (a wrong password) show as "�".
std::string collectNotesOfDay(UserFileStore& store, const std::filesystem::path& folder,
                              const NoteIndexes& indexes, DayNumber day,
                              const std::string& password, NoteTextMode mode);

// The note line of the status panel: the notes of the day with their line breaks shown as "»".
std::string noteStatusLine(UserFileStore& store, const std::filesystem::path& folder,
                           const NoteIndexes& indexes, DayNumber day, const std::string& password);

} // namespace tp
