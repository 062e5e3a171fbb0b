#include "platform/qt/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

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

bool QtMessageBoxes::choose(QWidget* parent, const QString& title, const QString& text,
                            const QString& firstButton, const QString& secondButton) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QPushButton* first = box.addButton(firstButton, QMessageBox::AcceptRole);
    box.addButton(secondButton, QMessageBox::RejectRole);
    box.setDefaultButton(first);
    box.exec();
    return box.clickedButton() == first;
}

int QtMessageBoxes::chooseAmong(QWidget* parent, const QString& title, const QString& text,
                                const QStringList& buttons) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    for (const QString& label : buttons)
        added.append(box.addButton(label, QMessageBox::ActionRole));
    box.setDefaultButton(static_cast<QPushButton*>(added.front()));
    box.setEscapeButton(added.back());
    box.exec();
    const auto clicked = added.indexOf(box.clickedButton());
    return clicked < 0 ? static_cast<int>(added.size()) - 1 : static_cast<int>(clicked);
}

} // namespace tp
