#include "astro/AstronomyMarksSource.h"
#include "display/PagePrinting.h"
#include "markings/MarkingsMarksSource.h"
#include "shell/MainWindow.h"
#include "shell/PageInputOf.h"

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
    const AstronomyMarksSource astronomyMarks(
        state_.place, dayMarkRequestOf(state_.switches.moonPhases, state_.switches.orbitExtremes),
        lunations_);
    const MarkingsMarksSource markingMarks(state_.shiftMarkings, state_.calendarBars,
                                           state_.calendarType);
    printPage(printer, pageInputOf(state_, pageFont_, {&astronomyMarks, &markingMarks}));
}

} // namespace tp
