#pragma once

#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "model/ShiftSystem.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// One entry of a crew's calendar. Timed events run from `startMinute` on `firstDay` to
// `endMinute` counted from the start of that day (past 1440 for the night shift); all-day
// events cover firstDay..lastDay.
struct CrewEvent {
    std::string uid; // stable: crew, day and kind, so a calendar app updates instead of adding
    std::string summary;
    DayNumber firstDay = 0;
    DayNumber lastDay = 0;
    bool allDay = false;
    int startMinute = 0;
    int endMinute = 0;
    friend bool operator==(const CrewEvent&, const CrewEvent&) = default;
};

struct CrewCalendarRequest {
    ShiftSystem system;
    int crew = 0; // 0 rot .. 4 braun for types 0..5; 0 A .. 3 D for types 6 and 7
    DayNumber from = 0;
    DayNumber to = 0;
    const ShiftMarkingList* markings = nullptr; // the user's, or none
    const CalendarBarList* bars = nullptr;
};

// The crew's shifts from `from` to `to` with the plant's shift times, its block vacation, and
// where given the user's markings (replacing the plan of their day) and calendar bars; ordered
// by first day.
std::vector<CrewEvent> crewCalendarEvents(const CrewCalendarRequest& request);

// The crew named as on the page ("rot", "Grün", "gruen", "A"...), case ignored, for `type`;
// nothing when the type has no such crew.
std::optional<int> crewOfName(std::string_view name, CalendarType type);

// "Rot" .. "Braun", or "Schicht A" .. "Schicht D".
std::string crewDisplayName(int crew, CalendarType type);

// The plant's working times of a shift, in minutes from the start of its day (past 1440 for
// the night shift).
struct ShiftTimes {
    int start = 0;
    int end = 0;
};

// The times of `shift` (EarlyShift..NightShift) on `day` under `system`, as the calendar export
// gives them: a day without a late shift splits at 18 o'clock.
ShiftTimes shiftTimesOfDay(const ShiftSystem& system, DayNumber day, int shift);

// "Frühschicht", "Spätschicht" or "Nachtschicht"; empty for anything else.
std::string_view shiftName(int shift);

} // namespace tp
