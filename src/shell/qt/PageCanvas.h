#pragma once

#include <QImage>
#include <QWidget>

namespace tp {

// Shows the page image and reports clicks at positions in its own pixels. It paints the
// window's own page image, so a new page is not copied before it is shown.
class PageCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit PageCanvas(QWidget* parent = nullptr);

    // Shows `page`, which must outlive the canvas or the next call; null shows nothing.
    void showPage(const QImage* page);

  signals:
    void leftClicked(QPoint position);
    void leftDoubleClicked(QPoint position);
    void rightClicked(QPoint position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    const QImage* page_ = nullptr;
};

} // namespace tp
