#include "accounts/qt/CalendarExportWindow.h"
#include "shell/qt/MainWindow.h"

#include <QDir>

namespace tp {

void MainWindow::exportCalendar() {
    CalendarExportInput input;
    input.system = session_.shiftSystem();
    input.baseCrew = state().hoursAccount.baseCrew;
    input.days = shownDays(state().view, state().lastColumnIndex, state().calendarType);
    // The markings and bars as the page shows them, saved or not.
    if (!state().dataFolder.empty()) {
        input.markings = &state().shiftMarkings;
        input.bars = &state().calendarBars;
    }
    input.file = QDir::home().filePath(QStringLiteral("Turnoplaner.ics")).toStdU16String();
    CalendarExportWindow window(input, *services_.clock, *services_.messages, this);
    window.exec();
}

} // namespace tp
