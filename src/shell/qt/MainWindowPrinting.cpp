#include "display/qt/PageInputOf.h"
#include "display/qt/PagePrinting.h"
#include "shell/qt/MainWindow.h"

#include <QPrintDialog>
#include <QPrinter>

namespace tp {

void MainWindow::printShownPage() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(printedPageLayout());
    printer.setDocName(QStringLiteral("Turnoplaner"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Seite drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The same marks as the page on the screen.
    const SessionState& shown = state();
    const PageMarkSources marks(shown.place, shown.switches, shown.noteIndexes, shown.shiftMarkings,
                                shown.calendarBars, shown.calendarType, lunations_);
    const PageInput input = pageInputOf(session_.pageLook(), pageFont_, marks.all());
    printPage(printer, input, printedPageHeading(QString::fromStdString(shown.userName), input));
}

} // namespace tp
