#pragma once

#include "model/ShiftSystem.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// The "Jahresstunden" window's year field reaches this far around the calendar's year.
inline constexpr int kYearlyHoursYearsBefore = 2;
inline constexpr int kYearlyHoursYearsAfter = 10;

inline constexpr std::array<std::string_view, 5> YearlyHoursCrewNames{"Rot", "Blau", "Gelb", "Grün",
                                                                      "Braun"};

// Colours 0x00BBGGRR of a crew's column in all rows.
struct CrewColumnColours {
    std::uint32_t background;
    std::uint32_t text;
};
inline constexpr std::array<CrewColumnColours, 5> YearlyHoursCrewColours{{
    {0x0000FF, 0xFFFFFF}, // red
    {0xFF0000, 0xFFFFFF}, // blue
    {0x00FFFF, 0x000000}, // yellow
    {0x00FF00, 0x000000}, // green
    {0x0BA7EB, 0x000000}, // orange-brown
}};

struct YearlyHoursRow {
    std::string label;              // a month's name, "Summe", "Soll" or "Ist"
    std::vector<std::string> cells; // one per crew
};

// The "Jahresstunden" list: crews' names and 15 rows (12 months, "Summe", "Soll", "Ist") as
// the window shows them, with decimal commas. Five crews give whole hours with the target
// and the difference to two decimals; the two-shift system's three crews give one decimal
// everywhere. The four-crew systems have no table.
struct YearlyHoursTable {
    std::vector<std::string_view> crewNames;
    std::vector<YearlyHoursRow> rows;
};

std::optional<YearlyHoursTable> yearlyHoursTable(const ShiftSystem& system, int year,
                                                 float targetHours38, float targetHours40);

} // namespace tp
