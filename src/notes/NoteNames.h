#pragma once

#include "model/DayNumber.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tp {

// The day code of the note files: year * 10000 + month index * 100 + day with the month index
// counted from 0, so 24 December 2016 is 20161124. The 0-based month lives only in these codes.
std::int32_t dateCodeOf(const CivilDate& date);
std::int32_t dateCodeOf(DayNumber day);

// Month index * 100 + day: the code of a yearly note (1124 for 24 December).
std::int32_t yearlyCodeOf(const CivilDate& date);

// The month of a weekday note that applies in every month.
inline constexpr int kEveryMonth = 0;

// Which weekday of which month a weekday-in-month note falls on.
struct WeekdayNoteRule {
    int month = kEveryMonth; // 1..12, or kEveryMonth
    Weekday weekday = Weekday::Sunday;
    int occurrence = 0; // 0 = first .. 3 = fourth, 4 = last
    friend constexpr bool operator==(const WeekdayNoteRule&, const WeekdayNoteRule&) = default;
};

inline constexpr int kLastOccurrence = 4;

// 10000 + slot * 100 + weekday * 10 + occurrence, the slot being the 0-based month or 12.
std::int32_t weekdayNoteCode(const WeekdayNoteRule& rule);
WeekdayNoteRule weekdayNoteRuleOfCode(std::int32_t code);

// Occurrence of a day of month: truncate(day / 7.1), so the 29th..31st count as the last.
constexpr int occurrenceOfDay(int dayOfMonth) {
    return dayOfMonth * 10 / 71;
}

// The anchor of the periodic series with `period` days through `day`: (day mod period) + period.
std::int32_t periodicAnchor(DayNumber day, int period);

// File names, each built from the rule of its kind.
std::string dayNoteFileName(std::int32_t dateCode);
std::string periodicNoteFileName(std::int32_t anchor, std::int32_t period);
std::string periodicNoteFileNameFor(DayNumber day, int period);
std::string yearlyNoteFileName(std::int32_t yearlyCode);
std::string weekdayNoteFileName(std::int32_t weekdayCode);

// The usual decimal reading of a text: leading blanks, an optional sign, digits up to the first
// other character; no digits give 0. Values beyond 32 bits saturate.
std::int32_t leadingNumber(std::string_view text);

// The index value of a listed file name of each kind, or nothing when the name does not count.
// The names are read as they come: only their leading number matters.
std::optional<std::int32_t> dayNoteCodeOfName(std::string_view fileName);
std::optional<std::int32_t> yearlyCodeOfName(std::string_view fileName);
std::optional<std::int32_t> weekdayCodeOfName(std::string_view fileName);

struct PeriodicNoteEntry {
    std::int32_t anchor = 0;
    std::int32_t period = 0; // 0 when the name holds no number: such a note never applies
    friend constexpr bool operator==(const PeriodicNoteEntry&, const PeriodicNoteEntry&) = default;
};
std::optional<PeriodicNoteEntry> periodicEntryOfName(std::string_view fileName);

} // namespace tp
