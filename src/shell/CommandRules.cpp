#include "shell/CommandRules.h"

#include "shell/MainCommands.h"

namespace tp {

std::optional<int> viewShiftDays(int command, int calendarType, int lastColumnIndex) {
    const bool sheet = calendarType == kSheetCalendarType;
    switch (command) {
    case YearBack:
        return -365;
    case YearForward:
        return 366;
    case MonthBack:
        return sheet ? std::nullopt : std::optional(-1);
    case MonthForward:
        return sheet ? std::nullopt : std::optional(31);
    case PageBack:
        return sheet ? -155 : -31 * lastColumnIndex;
    case PageForward:
        return sheet ? 186 : 31 * lastColumnIndex;
    default:
        return std::nullopt;
    }
}

std::optional<int> steppedLastColumnIndex(int lastColumnIndex, int delta) {
    const int stepped = lastColumnIndex + delta;
    if (stepped < kFewestLastColumnIndex || stepped > kMostLastColumnIndex)
        return std::nullopt;
    return stepped;
}

int calendarTypeAfterCommand(int calendarType, int command) {
    switch (command) {
    case TypeKeyN:
        return calendarType == 0 ? 3 : 0;
    case TypeKeyB:
        return 2;
    case TypeKeyM:
        return calendarType == 1 ? 4 : 1;
    case TypeKeyV:
        return 6;
    case TypeKeyC:
        return 7;
    case TypeKeyX:
        return kSheetCalendarType;
    default:
        return calendarType;
    }
}

} // namespace tp
