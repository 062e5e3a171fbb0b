#pragma once

#include "model/DayNumber.h"
#include "notes/NoteFiles.h"

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace tp {

// Every day of `columnCount` months from (year, month 1..12) on, in page order.
std::vector<DayNumber> daysOfMonthColumns(int year, int month, int columnCount);

// The notes of the displayed days under their dates (UTF-8, CR LF lines), one blank line between
// days, with a rule of underscores before today's place; the empty text when no day has a note.
std::string buildNotesOverview(UserFileStore& store, const std::filesystem::path& folder,
                               const NoteIndexes& indexes, const std::string& password,
                               std::span<const DayNumber> displayedDays, DayNumber today);

} // namespace tp
