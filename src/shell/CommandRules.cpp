#include "shell/CommandRules.h"

#include "model/MonthColumns.h"
#include "shell/MainCommands.h"

namespace tp {

std::optional<int> viewShiftDays(int command, CalendarType type, int lastColumnIndex) {
    const bool sheet = isSheet(type);
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
    if (!isValidLastColumnIndex(stepped))
        return std::nullopt;
    return stepped;
}

CalendarType calendarTypeAfterCommand(CalendarType type, int command) {
    using enum CalendarType;
    switch (command) {
    case TypeKeyN:
        return type == WendringPm1 ? Pm1TwoNightBlock : WendringPm1;
    case TypeKeyB:
        return WendringTwoShift;
    case TypeKeyM:
        return type == WendringWerk ? WerkTwoNightBlock : WendringWerk;
    case TypeKeyV:
        return ValdorHalmstett;
    case TypeKeyC:
        return BrellingKarton;
    case TypeKeyX:
        return WendringStandardSheet;
    default:
        return type;
    }
}

} // namespace tp
