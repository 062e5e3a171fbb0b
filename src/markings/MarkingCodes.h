#pragma once

#include "model/CalendarType.h"
#include "model/DayNumber.h"

#include <array>
#include <span>
#include <string_view>

namespace tp {

// Kinds of a shift marking under the shift systems with accounts (types 0..5).
enum MarkingKind : int {
    ExtraWork = 0,   // "X"
    TimeOff = 1,     // "F"
    Vacation = 2,    // "U"
    Course = 3,      // "L"
    Sick = 4,        // "K"
    PaidAbsence = 5, // "A"
};

// The options of the marking window in the order of their codes; the last one deletes the
// marking and is never stored.
inline constexpr std::array<std::string_view, 7> FiveCrewMarkingOptions{
    "Arbeitseinsatz (X)",
    "Freizeit",
    "Urlaub",
    "Lehrgang",
    "Krank",
    "Ausfallbezahlung, kurzer Wechsel",
    "Schichtmarkierung löschen (Entf)"};
inline constexpr std::array<std::string_view, 9> FourCrewMarkingOptions{
    "Früh",
    "Spät",
    "Nacht",
    "Freizeit",
    "Urlaub",
    "Lehrgang",
    "Krank",
    "Ausfallbezahlung, kurzer Wechsel",
    "Schichtmarkierung löschen (Entf)"};

// The letters the page shows for each code.
inline constexpr std::array<char, 7> FiveCrewMarkingLetters{'X', 'F', 'U', 'L', 'K', 'A', ' '};
inline constexpr std::array<char, 9> FourCrewMarkingLetters{'1', '2', '3', 'f', 'U',
                                                            'L', 'K', 'A', ' '};
// The letters of the page renderer that names the shifts themselves.
inline constexpr std::array<char, 9> ShiftNameMarkingLetters{'F', 'S', 'N', '-', 'U',
                                                             'L', 'K', 'A', ' '};

inline std::span<const std::string_view> markingOptions(CalendarType type) {
    if (isFourCrew(type))
        return FourCrewMarkingOptions;
    return FiveCrewMarkingOptions;
}

// The code that deletes a marking: the last option.
constexpr int deleteMarkingCode(CalendarType type) {
    return isFourCrew(type) ? 8 : 6;
}

// The letter of a stored code, read with the table of `type`; a blank for codes the table
// does not know (a file written under another type may hold them).
constexpr char markingLetter(CalendarType type, int code) {
    if (isFourCrew(type))
        return code >= 0 && code < 9 ? FourCrewMarkingLetters[static_cast<std::size_t>(code)] : ' ';
    return code >= 0 && code < 7 ? FiveCrewMarkingLetters[static_cast<std::size_t>(code)] : ' ';
}

// Names of the columns a marking is set in, 1..4.
inline constexpr std::array<std::string_view, 4> ShiftColumnNames{"Verfügung", "Frühschicht",
                                                                  "Spätschicht", "Nachtschicht"};
inline constexpr std::array<std::string_view, 4> CrewColumnNames{"Schicht A", "Schicht B",
                                                                 "Schicht C", "Schicht D"};

// The name of column 1..4 under `type`.
constexpr std::string_view shiftColumnName(CalendarType type, int column) {
    const auto& names = isFourCrew(type) ? CrewColumnNames : ShiftColumnNames;
    return names[static_cast<std::size_t>(column - 1)];
}

// Whether a marking may be set in `column` on `day`: columns 1..4 (never the late shift on
// a Sunday) for the five-crew systems, 1..3 for the two-shift system, 1..4 for the four-crew
// systems.
constexpr bool isMarkableColumn(CalendarType type, DayNumber day, int column) {
    if (column < 1)
        return false;
    if (isFourCrew(type))
        return column <= 4;
    if (type == CalendarType::WendringTwoShift)
        return column <= 3;
    return column <= 4 && !(column == 3 && weekdayOf(day) == Weekday::Sunday);
}

static_assert(markingLetter(CalendarType::WendringPm1, Vacation) == 'U');
static_assert(markingLetter(CalendarType::BrellingKarton, 3) == 'f');
static_assert(deleteMarkingCode(CalendarType::ValdorHalmstett) ==
              static_cast<int>(FourCrewMarkingOptions.size()) - 1);

} // namespace tp
