#include "shell/qt/ExportController.h"

#include "accounts/qt/CalendarExportWindow.h"
#include "display/qt/PagePrinting.h"
#include "platform/qt/PrintWithDialog.h"
#include "shell/qt/ShownPageInput.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace tp {

std::optional<bool> ExportController::run(Command command) {
    switch (command) {
    case Command::CopyPage:
        copyPageToClipboard(false);
        return false;
    case Command::Print:
        printShownPage();
        return false;
    case Command::CalendarExport:
        exportCalendar();
        return false;
    default:
        return std::nullopt;
    }
}

void ExportController::copyPageToClipboard(bool askFirst) {
    if (askFirst &&
        !services_.messages->ask(
            window_, QStringLiteral("Soll der Kalender in die Zwischenablage kopiert werden?")))
        return;
    QGuiApplication::clipboard()->setImage(page_);
    services_.messages->inform(window_, QStringLiteral("Information"),
                               QStringLiteral("Die Kalender wurde in die Zwischenablage kopiert."));
}

void ExportController::printShownPage() {
    const PrintJob job{printedPageLayout(), QStringLiteral("Turnoplaner"),
                       QStringLiteral("Seite drucken")};
    printWithDialog(
        window_, job,
        [this](QPagedPaintDevice& printer) {
            // The same marks as the page on the screen.
            ShownPageInput shown(session_, pageFont_, lunations_);
            printPage(printer, shown.input(),
                      printedPageHeading(QString::fromStdString(state().userName), shown.input()));
        },
        *services_.messages);
}

void ExportController::exportCalendar() {
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
    CalendarExportWindow window(input, *services_.clock, *services_.messages, window_);
    window.exec();
}

} // namespace tp
