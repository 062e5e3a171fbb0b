// The entry of the printing module the program loads at its first print.
#include "platform/ModuleEntry.h"
#include "platform/qt/PrintWithDialog.h"

#include <QPrintDialog>
#include <QPrinter>

TP_MODULE_EXPORT bool tpPrintWithDialog(QWidget* parent, const tp::PrintJob* job,
                                        const tp::JobPainter* paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(job->layout);
    printer.setDocName(job->documentName);
    QPrintDialog dialog(&printer, parent);
    if (!job->dialogTitle.isEmpty())
        dialog.setWindowTitle(job->dialogTitle);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    (*paint)(printer);
    return true;
}
