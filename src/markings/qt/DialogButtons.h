#pragma once

#include <QDialogButtonBox>
#include <QPushButton>
#include <QString>

namespace tp {

// A button of the markings' and accounts' windows with its tool tip, placed in `box`.
inline QPushButton* addDialogButton(QDialogButtonBox* box, const QString& text,
                                    const QString& toolTip, QDialogButtonBox::ButtonRole role) {
    QPushButton* button = box->addButton(text, role);
    button->setToolTip(toolTip);
    return button;
}

inline const QString kCancelToolTip = QStringLiteral("Verlässt das Eingabefenster ohne Änderungen");

} // namespace tp
