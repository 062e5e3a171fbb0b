#include "platform/qt/PrintWithDialog.h"

#include "platform/LoadedModule.h"
#include "platform/qt/MessageBoxes.h"

namespace tp {

void printWithDialog(QWidget* parent, const PrintJob& job, const JobPainter& paint,
                     MessageBoxes& messages) {
    LoadedModule module(moduleFileName("turnoplaner-print"), moduleFolders(),
                        LoadedModule::Unloading::Never);
    PrintWithDialogEntry* print = module.entry<PrintWithDialogEntry>(kPrintWithDialogEntry);
    if (!print) {
        messages.inform(parent, QStringLiteral("Fehler"),
                        QStringLiteral("Es kann nicht gedruckt werden. ") +
                            QString::fromStdString(module.problem()));
        return;
    }
    print(parent, &job, &paint);
}

} // namespace tp
