#include "accounts/ShiftSlotText.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

// The first day from 5 January 2026 on which `crew` has `duty`, on a Sunday or on another day.
DayNumber firstDayWith(const ShiftSystem& system, int crew, int duty, bool sunday) {
    for (DayNumber day = dayNumberOf(2026, 1, 5);; ++day)
        if (crewDutiesOfDay(system, day, true).crews[static_cast<std::size_t>(crew)] == duty &&
            (weekdayOf(day) == Weekday::Sunday) == sunday && !isShiftCancelled(day, duty))
            return day;
}

ShiftSystem systemOf(CalendarType type) {
    ShiftSystem system;
    system.calendarType = type;
    return system;
}

struct SlotCase {
    const char* name;
    CalendarType type;
    int crew;
    int duty;
    bool sunday;
    int slot;
    const char* text;
};

TEST(ShiftSlotText, NamesCrewShiftAndTimes) {
    const SlotCase cases[] = {
        {"early", CalendarType::WendringPm1, 1, EarlyShift, false, 2,
         "Blau – Frühschicht 6.00–14.00"},
        {"late", CalendarType::WendringWerk, 3, LateShift, false, 3,
         "Grün – Spätschicht 14.00–22.00"},
        {"night", CalendarType::WendringPm1, 4, NightShift, false, 4,
         "Braun – Nachtschicht 22.00–6.00"},
        {"Sunday night", CalendarType::WendringPm1, 0, NightShift, true, 4,
         "Rot – Nachtschicht 18.00–6.00"},
        {"two shifts", CalendarType::WendringTwoShift, 2, LateShift, false, 3,
         "Gelb – Spätschicht 14.30–23.00"},
        {"free week slot", CalendarType::WendringPm1, 0, EarlyShift, false, 1, ""},
        {"four crews", CalendarType::BrellingKarton, 2, EarlyShift, false, 3,
         "Schicht C – Frühschicht 6.00–14.00"},
    };
    for (const SlotCase& wanted : cases) {
        SCOPED_TRACE(wanted.name);
        const ShiftSystem system = systemOf(wanted.type);
        const DayNumber day = firstDayWith(system, wanted.crew, wanted.duty, wanted.sunday);
        EXPECT_EQ(shiftSlotText(system, day, wanted.slot), wanted.text);
    }
}

// On a Sunday without a late shift its slot holds the early and the night crew, 12 hours each.
TEST(ShiftSlotText, SundayLateSlotNamesBothCrews) {
    const ShiftSystem system = systemOf(CalendarType::WendringPm1);
    for (DayNumber day = dayNumberOf(2026, 1, 4); day < dayNumberOf(2026, 3, 1); day += 7) {
        const CrewDuties duties = crewDutiesOfDay(system, day, true);
        if (std::find(duties.crews.begin(), duties.crews.end(), LateShift) != duties.crews.end() ||
            isShiftCancelled(day, EarlyShift) || isShiftCancelled(day, NightShift))
            continue;
        const std::string text = shiftSlotText(system, day, 3);
        EXPECT_NE(text.find("Frühschicht 6.00–18.00\n"), std::string::npos) << text;
        EXPECT_NE(text.find("Nachtschicht 18.00–6.00"), std::string::npos) << text;
        return;
    }
    FAIL() << "no Sunday without a late shift";
}

} // namespace
} // namespace tp
