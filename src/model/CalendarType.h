#pragma once

#include <cstdint>
#include <optional>

namespace tp {

// The shift system the calendar shows. The settings file stores its number.
enum class CalendarType : std::int8_t {
    WendringPm1 = 0,
    WendringWerk = 1,
    WendringTwoShift = 2,
    Pm1TwoNightBlock = 3,
    WerkTwoNightBlock = 4,
    WendringStandardSheet = 5, // shown as the half-year shift plan sheet
    ValdorHalmstett = 6,
    BrellingKarton = 7,
};

inline constexpr int kCalendarTypeCount = 8;

constexpr int numberOf(CalendarType type) {
    return static_cast<int>(type);
}

// The type of a stored number, or nothing for a number outside 0..7.
constexpr std::optional<CalendarType> calendarTypeFromNumber(int number) {
    if (number < 0 || number >= kCalendarTypeCount)
        return std::nullopt;
    return static_cast<CalendarType>(number);
}

// Types 6 and 7: four crews A..D, computed apart from the five-crew rotations.
constexpr bool isFourCrew(CalendarType type) {
    return type == CalendarType::ValdorHalmstett || type == CalendarType::BrellingKarton;
}

// Type 5 replaces the month columns by the half-year shift plan sheet.
constexpr bool isSheet(CalendarType type) {
    return type == CalendarType::WendringStandardSheet;
}

constexpr int crewCount(CalendarType type) {
    if (type == CalendarType::WendringTwoShift)
        return 3;
    return isFourCrew(type) ? 4 : 5;
}

// The summer block vacation rotates through the crews of the five-crew systems.
constexpr bool hasVacationBlock(CalendarType type) {
    return crewCount(type) == 5;
}

// The "UB" toggle switches the block's display on the month columns; the sheet has none.
constexpr bool showsVacationBlockToggle(CalendarType type) {
    return hasVacationBlock(type) && !isSheet(type);
}

// The hours and vacation accounts are kept for every type but the four-crew ones.
constexpr bool hasAccounts(CalendarType type) {
    return !isFourCrew(type);
}

// The crew changing over to its new rotation early in 2015 (types 0 and 3).
constexpr bool hasTransitionWindow(CalendarType type) {
    return type == CalendarType::WendringPm1 || type == CalendarType::Pm1TwoNightBlock;
}

static_assert(crewCount(CalendarType::WendringTwoShift) == 3);
static_assert(!hasVacationBlock(CalendarType::BrellingKarton));
static_assert(hasVacationBlock(CalendarType::WendringStandardSheet));
static_assert(!showsVacationBlockToggle(CalendarType::WendringStandardSheet));

} // namespace tp
