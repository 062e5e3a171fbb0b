#include "shell/qt/OpenSupplementsWindow.h"

#include "accounts/qt/SupplementsWindow.h"
#include "session/Session.h"

namespace tp {

void openSupplementsWindow(QWidget* parent, Session& session) {
    const SessionState& state = session.state();
    SupplementsWindowInput input;
    input.system = shiftSystemOf(state);
    // The four-crew systems keep no base crew: the window starts with the first.
    input.crew = isFourCrew(state.calendarType) ? 0 : state.hoursAccount.baseCrew;
    input.markings = &state.shiftMarkings;
    const WorkingDate month = cursorMonth(state.view);
    input.year = month.year;
    input.month = month.month;
    AccountTargets targets = state.accounts;
    input.wageCents = targets.hourlyWageCents;
    targets.hourlyWageCents = showSupplementsWindow(parent, input);
    session.setAccountTargets(targets);
}

} // namespace tp
