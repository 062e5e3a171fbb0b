#include "platform/MessageBoxes.h"

#include <QMessageBox>

namespace tp {

void QtMessageBoxes::inform(QWidget* parent, const QString& title, const QString& text) {
    // An error shows the warning sign, not the information sign.
    if (title == QStringLiteral("Fehler"))
        QMessageBox::warning(parent, title, text);
    else
        QMessageBox::information(parent, title, text);
}

bool QtMessageBoxes::ask(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, QStringLiteral("Frage"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace tp
