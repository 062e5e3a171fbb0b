#include "display/PagePrinting.h"
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
    const PageMarkSources marks(state_, lunations_);
    const PageInput input = pageInputOf(state_, pageFont_, marks.all());
    printPage(printer, input, printedPageHeading(QString::fromStdString(state_.userName), input));
}

} // namespace tp
