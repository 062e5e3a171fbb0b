#include "shell/qt/HelpController.h"

#include "accounts/qt/YearlyHoursWindow.h"
#include "help/qt/HelpTextWindow.h"
#include "help/qt/HelpTexts.h"
#include "help/qt/InfoWindow.h"
#include "shell/qt/CommandTable.h"

namespace tp {

std::optional<bool> HelpController::run(Command command) {
    switch (command) {
    case Command::ProgramInfo:
        showHelp(HelpTopic::ProgramInfo);
        return false;
    case Command::ProgramMenuHelp:
        showHelp(HelpTopic::ProgramMenu);
        return false;
    case Command::NotesHelp:
        showHelp(HelpTopic::Notes);
        return false;
    case Command::InfoWindow:
        openInfoWindow();
        return true;
    default:
        return std::nullopt;
    }
}

void HelpController::showHelp(HelpTopic topic, QWidget* parent) const {
    const QString text = topic == HelpTopic::Keyboard ? keyHelpText() : helpText(topic);
    HelpTextWindow window(topic, text, helpLook(), parent ? parent : window_);
    window.exec();
}

void HelpController::openInfoWindow() {
    const HelpWindowLook look = helpLook();
    InfoWindowContext context;
    context.look = look;
    context.calendarType = state().calendarType;
    context.firstColumnYear = state().view.year;
    context.cursorColumnYear = cursorMonth(state().view).year;
    InfoWindowActions actions = standardInfoWindowActions(window_, look, [this](int year) {
        showYearlyHours(window_, session_.shiftSystem(), year, state().accounts.targetHours38,
                        state().accounts.targetHours40);
    });
    actions.helpText = [this](HelpTopic topic) { showHelp(topic); };
    runInfoWindow(window_, context, actions);
}

} // namespace tp
