#include "shell/qt/PageCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tp {

PageCanvas::PageCanvas(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void PageCanvas::showPage(const QImage* page) {
    page_ = page;
    update();
}

void PageCanvas::paintEvent(QPaintEvent* event) {
    if (!page_ || page_->isNull())
        return;
    QPainter painter(this);
    const QRect area = event->rect() & page_->rect();
    painter.drawImage(area.topLeft(), *page_, area);
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
