#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace tp {

class MessageBoxes;

// What is printed: the sheet it is laid out for and its name in the printer's queue.
struct PrintJob {
    QPageLayout layout;
    QString documentName;
    QString dialogTitle; // empty: that of Qt's print dialog
};

// Draws a job on the printer chosen.
using JobPainter = std::function<void(QPagedPaintDevice& printer)>;

// Asks with the print dialog where to print `job` and, once the user agreed, prints it by
// `paint`. Qt's printing support lives in a module loaded at the first print rather than at
// every start; when it cannot be loaded, `messages` says why.
void printWithDialog(QWidget* parent, const PrintJob& job, const JobPainter& paint,
                     MessageBoxes& messages);

// The module's entry: the dialog and the printing. True when printed.
using PrintWithDialogEntry = bool(QWidget* parent, const PrintJob* job, const JobPainter* paint);
inline constexpr const char* kPrintWithDialogEntry = "tpPrintWithDialog";

} // namespace tp
