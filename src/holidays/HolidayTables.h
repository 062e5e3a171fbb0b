#pragma once

#include <array>
#include <string_view>

namespace tp {

// A fixed-date entry: key month × 100 + day.
struct FixedHoliday {
    int code;
    std::string_view name;
};

// A movable entry: key the offset in days from Easter Sunday or from the first Sunday of Advent.
struct MovableHoliday {
    int offset;
    std::string_view name;
};

inline constexpr std::array<FixedHoliday, 8> FixedPublicHolidays{{
    {101, "Neujahr"},
    {106, "Erscheinung des Herrn"},
    {501, "Maifeiertag"},
    {815, "Mariä Himmelfahrt"},
    {1003, "Tag der Deutschen Einheit"},
    {1101, "Allerheiligen"},
    {1225, "Weihnachten"},
    {1226, "Märtyrer Stephanus"},
}};

inline constexpr std::array<FixedHoliday, 9> FixedFeastDays{{
    {202, "Lichtmeß"},
    {430, "Walpurgisnacht"},
    {627, "Siebenschläfer"},
    {629, "Peter und Paul"},
    {1031, "Reformationstag"},
    {1102, "Allerseelen"},
    {1208, "Mariä Empfängnis"},
    {1224, "Heiliger Abend"},
    {1231, "Silvester"},
}};

inline constexpr std::array<MovableHoliday, 7> MovablePublicHolidays{{
    {-2, "Karfreitag"},
    {0, "Ostersonntag"},
    {1, "Ostermontag"},
    {39, "Christi Himmelfahrt"},
    {49, "Pfingstsonntag"},
    {50, "Pfingstmontag"},
    {60, "Fronleichnam"},
}};

inline constexpr std::array<MovableHoliday, 10> MovableFeastDays{{
    {-48, "Rosenmontag"},
    {-47, "Faschingsdienstag"},
    {-46, "Aschermittwoch"},
    {-7, "Palmsonntag"},
    {-3, "Gründonnerstag"},
    {-1, "Karsamstag"},
    {7, "Weißer Sonntag"},
    {48, "Pfingstabend"},
    {56, "Dreifaltigkeitssonntag"},
    {68, "Heiligstes Herz Jesu"},
}};

inline constexpr std::array<MovableHoliday, 7> AdventFeastDays{{
    {-14, "Volkstrauertag"},
    {-11, "Buß- und Bettag"},
    {-7, "Christkönigsfest"},
    {0, "1. Advent"},
    {7, "2. Advent"},
    {14, "3. Advent"},
    {21, "4. Advent"},
}};

} // namespace tp
