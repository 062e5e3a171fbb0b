#include "shell/qt/FeatureController.h"

namespace tp {

void tellReport(MessageBoxes& messages, QWidget* parent, const SessionReport& report) {
    for (const std::string& error : report.errors)
        messages.inform(parent, QStringLiteral("Fehler"), QString::fromStdString(error));
    for (const std::string& notice : report.notices)
        messages.inform(parent, QStringLiteral("Information"), QString::fromStdString(notice));
}

} // namespace tp
