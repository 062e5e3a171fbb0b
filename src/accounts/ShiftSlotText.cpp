#include "accounts/ShiftSlotText.h"

#include "accounts/CrewEvents.h"

#include <vector>

namespace tp {

namespace {

// "6.00", "14.30"; a time past midnight as on the clock.
std::string clockText(int minutes) {
    const int minute = minutes % 60;
    return std::to_string(minutes / 60 % 24) + (minute < 10 ? ".0" : ".") + std::to_string(minute);
}

std::string crewShiftLine(const ShiftSystem& system, DayNumber day, int crew, int shift) {
    std::string line = crewDisplayName(crew, system.calendarType) + " – ";
    line += shiftName(shift);
    if (isShiftCancelled(day, shift))
        return line + " entfällt";
    const ShiftTimes times = shiftTimesOfDay(system, day, shift);
    return line + ' ' + clockText(times.start) + "–" + clockText(times.end);
}

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

} // namespace

std::string shiftSlotText(const ShiftSystem& system, DayNumber day, int slot) {
    const CalendarType type = system.calendarType;
    const auto isShift = [](int code) { return code >= EarlyShift && code <= NightShift; };
    if (isFourCrew(type)) {
        // One slot per crew A..D, showing its shift.
        const int crew = slot - 1;
        if (crew < 0 || crew >= 4)
            return {};
        const int shift = crewDutiesOfDay(system, day, false).crews[static_cast<std::size_t>(crew)];
        return isShift(shift) ? crewShiftLine(system, day, crew, shift) : std::string();
    }
    // Slot 1 is the free week's; slots 2..4 hold the early, late and night shift.
    const int shift = slot - 1;
    if (!isShift(shift))
        return {};
    const CrewShifts crews = crewDutiesOfDay(system, day, hasVacationBlock(type)).crews;
    const auto linesOfShift = [&](int wanted) {
        std::vector<std::string> lines;
        for (int crew = 0; crew < crewCount(type); ++crew)
            if (crews[static_cast<std::size_t>(crew)] == wanted)
                lines.push_back(crewShiftLine(system, day, crew, wanted));
        return lines;
    };
    std::vector<std::string> lines = linesOfShift(shift);
    // Without a late shift the early and the night crew share its slot, twelve hours each.
    if (lines.empty() && shift == LateShift && type != CalendarType::WendringTwoShift) {
        lines = linesOfShift(EarlyShift);
        for (std::string& line : linesOfShift(NightShift))
            lines.push_back(std::move(line));
    }
    return joinedLines(lines);
}

} // namespace tp
