#pragma once

#include <QLabel>

namespace tp {

// Shows the page image and reports clicks at positions in its own pixels.
class PageCanvas : public QLabel {
    Q_OBJECT

  public:
    explicit PageCanvas(QWidget* parent = nullptr);

  signals:
    void leftClicked(QPoint position);
    void leftDoubleClicked(QPoint position);
    void rightClicked(QPoint position);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace tp
