#include "shell/PageCanvas.h"

#include <QMouseEvent>

namespace tp {

PageCanvas::PageCanvas(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
}

void PageCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit leftClicked(event->position().toPoint());
    else if (event->button() == Qt::RightButton)
        emit rightClicked(event->position().toPoint());
}

void PageCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit leftDoubleClicked(event->position().toPoint());
}

} // namespace tp
