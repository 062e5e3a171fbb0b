#include "platform/qt/DateField.h"

#include <QKeyEvent>

namespace tp {

DateField::DateField(QWidget* parent) : QDateEdit(parent) {}

void DateField::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (typed == QStringLiteral(".") && movedOnByItself_) {
        movedOnByItself_ = false;
        event->accept();
        return;
    }
    const Section before = currentSection();
    QDateEdit::keyPressEvent(event);
    movedOnByItself_ = typed.size() == 1 && typed.front().isDigit() && currentSection() != before;
}

void DateField::focusInEvent(QFocusEvent* event) {
    movedOnByItself_ = false;
    QDateEdit::focusInEvent(event);
}

void DateField::mousePressEvent(QMouseEvent* event) {
    // A section chosen with the mouse is not one the field moved on to.
    movedOnByItself_ = false;
    QDateEdit::mousePressEvent(event);
}

} // namespace tp
