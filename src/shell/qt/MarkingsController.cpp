#include "shell/qt/MarkingsController.h"

#include "markings/qt/CalendarBarDialog.h"
#include "markings/qt/ShiftMarkingDialog.h"
#include "shell/CommandRules.h"

namespace tp {

std::optional<bool> MarkingsController::run(Command command) {
    if (const int column = shiftColumnOf(command))
        return enterShiftMarkingAtCursor(column);
    switch (command) {
    case Command::ShiftMarkingChoice:
        return chooseShiftMarkingAtCursor();
    case Command::CalendarBar:
        return editCalendarBarAtCursor();
    default:
        return std::nullopt;
    }
}

bool MarkingsController::enterShiftMarkingAtCursor(int column) {
    const DayNumber day = selectedDay();
    const CalendarType type = state().calendarType;
    if (isMarkableColumn(type, day, column)) {
        const int code = runShiftMarkingDialog(
            window_, type, currentMarkingCode(state().shiftMarkings, day), column, day);
        if (code >= 0)
            session_.storeShiftMarking(day, column, code);
    }
    return true;
}

bool MarkingsController::chooseShiftMarkingAtCursor() {
    const DayNumber day = selectedDay();
    const ShiftMarking* marking = state().shiftMarkings.markingOf(day);
    const int column =
        chooseShiftColumn(window_, state().calendarType, day, marking ? marking->column : 0);
    return column != 0 && enterShiftMarkingAtCursor(column);
}

bool MarkingsController::editCalendarBarAtCursor() {
    const auto chooser = [this](const QColor& current, QWidget* parent) {
        return services_.chooseColour(parent, current);
    };
    CalendarBarList bars = state().calendarBars;
    if (editCalendarBar(window_, bars, selectedDay(), chooser))
        session_.replaceCalendarBars(std::move(bars));
    return true;
}

} // namespace tp
