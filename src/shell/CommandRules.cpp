#include "shell/CommandRules.h"

#include "model/MonthColumns.h"

namespace tp {

std::optional<int> viewShiftDays(Command command, CalendarType type, int lastColumnIndex) {
    const bool sheet = isSheet(type);
    switch (command) {
    case Command::YearBack:
        return -365;
    case Command::YearForward:
        return 366;
    case Command::MonthBack:
        return sheet ? std::nullopt : std::optional(-1);
    case Command::MonthForward:
        return sheet ? std::nullopt : std::optional(31);
    case Command::PageBack:
        return sheet ? -155 : -31 * lastColumnIndex;
    case Command::PageForward:
        return sheet ? 186 : 31 * lastColumnIndex;
    default:
        return std::nullopt;
    }
}

std::optional<CursorMove> cursorMoveOf(Command command) {
    switch (command) {
    case Command::CursorRight:
        return CursorMove{1, 0};
    case Command::CursorLeft:
        return CursorMove{-1, 0};
    case Command::CursorUp:
        return CursorMove{0, -1};
    case Command::CursorDown:
        return CursorMove{0, 1};
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

CalendarType calendarTypeAfterCommand(CalendarType type, Command command) {
    using enum CalendarType;
    switch (command) {
    case Command::CalendarPm1:
        return type == WendringPm1 ? Pm1TwoNightBlock : WendringPm1;
    case Command::CalendarTwoShift:
        return WendringTwoShift;
    case Command::CalendarWerk:
        return type == WendringWerk ? WerkTwoNightBlock : WendringWerk;
    case Command::CalendarValdor:
        return ValdorHalmstett;
    case Command::CalendarBrelling:
        return BrellingKarton;
    case Command::CalendarSheet:
        return WendringStandardSheet;
    default:
        return type;
    }
}

int shiftColumnOf(Command command) {
    const int column = static_cast<int>(command) - static_cast<int>(Command::ShiftMarkingColumn1);
    return column >= 0 && column < 4 ? column + 1 : 0;
}

std::optional<Command> shiftMarkingCommand(int column) {
    if (column < 1 || column > 4)
        return std::nullopt;
    return static_cast<Command>(static_cast<int>(Command::ShiftMarkingColumn1) + column - 1);
}

} // namespace tp
