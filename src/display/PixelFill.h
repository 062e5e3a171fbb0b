#pragma once

#include <QImage>
#include <QRect>

#include <algorithm>

namespace tp {

// Solid rectangles written straight into a 32-bit page image. The page has a few thousand
// boxes; through QPainter each costs several times as much as its pixels.
class PixelFill {
  public:
    explicit PixelFill(QImage& image)
        : bits_(image.bits()), stride_(image.bytesPerLine()), bounds_(image.rect()) {}

    void fill(int x, int y, int width, int height, QRgb colour) const {
        const QRect area = QRect(x, y, width, height).intersected(bounds_);
        if (area.isEmpty())
            return;
        for (int row = area.top(); row <= area.bottom(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(row) * stride_);
            std::fill_n(line + area.left(), area.width(), colour);
        }
    }

    QRgb* line(int y) const {
        return reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_);
    }
    const QRect& bounds() const { return bounds_; }

  private:
    uchar* bits_;
    qsizetype stride_;
    QRect bounds_;
};

} // namespace tp
