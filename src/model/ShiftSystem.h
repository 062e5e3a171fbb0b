#pragma once

#include "model/DayNumber.h"
#include "model/ShiftPattern.h"

#include <array>
#include <string_view>

namespace tp {

inline constexpr int kCrewCount = 5;

// ShiftCode of crews 0..4 on one day.
using CrewShifts = std::array<int, kCrewCount>;

// Crew colours as Windows colour values 0x00BBGGRR: red, blue, yellow, green, orange.
inline constexpr std::array<int, kCrewCount> CrewColours{255, 16711680, 65535, 65280, 763883};

// For each year mod 5 (row) and vacation block 0..4 (column): the crew on vacation.
using BlockVacationTable = std::array<std::array<int, 5>, 5>;
using BlockVacationTables =
    std::array<BlockVacationTable, 3>; // years 1970..2016, 2017..2027, others

inline constexpr BlockVacationTables DefaultBlockVacationTables{{
    {{{0, 1, 2, 3, 4}, {3, 4, 0, 1, 2}, {1, 2, 3, 4, 0}, {4, 0, 1, 2, 3}, {2, 3, 4, 0, 1}}},
    {{{3, 4, 0, 1, 2}, {1, 2, 3, 4, 0}, {4, 0, 1, 2, 3}, {2, 3, 4, 0, 1}, {0, 1, 2, 3, 4}}},
    {{{1, 2, 3, 4, 0}, {4, 0, 1, 2, 3}, {2, 3, 4, 0, 1}, {0, 1, 2, 3, 4}, {3, 4, 0, 1, 2}}},
}};

// Phase offset of each crew in the 35-day systems.
inline constexpr std::array<int, kCrewCount> CrewPhaseOffsets{10, 17, 24, 31, 3};

// Days on which types 0 and 3 change over to their new rotation.
inline constexpr DayNumber kTransitionWindowFirst = 16436; // 1 January 2015
inline constexpr DayNumber kTransitionWindowLast = 16494;  // 28 February 2015

struct MonthDay {
    int month = 4; // 1..12
    int day = 25;
    friend bool operator==(const MonthDay&, const MonthDay&) = default;
};

// Everything the shift computation reads besides the day itself.
struct ShiftSystem {
    CalendarType calendarType = CalendarType::WendringPm1;
    BlockVacationTables blockVacationTables = DefaultBlockVacationTables;
    MonthDay earliestVacationStart{};
};

struct CalendarTypeInfo {
    std::string_view label;
    std::string_view description;
    int crews;
    int cycleDays;
};

inline constexpr std::array<CalendarTypeInfo, kCalendarTypeCount> CalendarTypes{{
    {"Wendring PM 1", "Wendring Papier Vierturnoplaner", 5, 35},
    {"Wendring Werk", "Wendring Papier Standart Turnoplaner", 5, 35},
    {"Wendring Zweischicht", "Zweischichtsystem mit drei Schichtbesatzungen", 3, 21},
    {"PM 1 mit 2er Block", "Wendring Vierturnoplaner mit zwei statt vier Tagen Nachtschicht", 5,
     35},
    {"Werk mit 2er Block",
     "Wendring Papier Standard Turnoplaner mit zwei statt vier Tagen Nachtschicht", 5, 35},
    {"Wendring Standard", "Wendring Papier Standard Turnoplaner mit fünf Kolumnen", 5, 35},
    {"Valdor Halmstett", "Das Vierschichtsystem in Halmstett", 4, 28},
    {"Brelling Karton", "Das Vierschichtsystem von Brelling Karton", 4, 28},
}};

inline const CalendarTypeInfo& calendarTypeInfo(CalendarType type) {
    return CalendarTypes[static_cast<std::size_t>(numberOf(type))];
}

constexpr bool isInTransitionWindow(DayNumber day) {
    return day >= kTransitionWindowFirst && day <= kTransitionWindowLast;
}

// The block vacation table that serves `year`.
const BlockVacationTable& blockVacationTableOf(const BlockVacationTables& tables, int year);

// First day of the 140-day block vacation period of `year`.
DayNumber computeBlockVacationStart(const ShiftSystem& system, int year);

// The duties of all crews of the system on one day.
struct CrewDuties {
    // Crews 0..crewCount − 1 of the type; the four-crew types put crews 1..4 at 0..3. The
    // places of crews the system does not have hold FreeDay.
    CrewShifts crews{FreeDay, FreeDay, FreeDay, FreeDay, FreeDay};
    int crewOutside = -1; // the crew outside the common rotation (transition window), else -1
};

// What every crew does on `day` under the system's calendar type; the block vacation of the
// day's year is applied where the type has one and `withBlockVacation` asks for it.
CrewDuties crewDutiesOfDay(const ShiftSystem& system, DayNumber day, bool withBlockVacation);

// Duties of the crews on `day` for types 0..5, written into `crews`. Returns the crew that
// stands outside the common rotation: 0 in the transition window of types 0 and 3, else -1.
// Types 6 and 7 leave `crews` unchanged (see fourCrewShift). Crews 3 and 4 are left
// unchanged for type 2. `blockVacationStart` is that of the day's year.
int computeCrewShifts(const ShiftSystem& system, DayNumber day, bool withBlockVacation,
                      DayNumber blockVacationStart, CrewShifts& crews);

// Swaps the vacationing crew of the day's block with the free-week crew.
void applyBlockVacation(const ShiftSystem& system, DayNumber day, DayNumber blockVacationStart,
                        CrewShifts& crews);

// Duty of crew 1..4 under the four-crew types 6 and 7.
int fourCrewShift(CalendarType type, DayNumber day, int crew);

// Whether shift 1..3 does not take place on `day` because of a plant holiday.
bool isShiftCancelled(DayNumber day, int shift);

} // namespace tp
