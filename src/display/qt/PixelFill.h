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
        const int left = std::max(x, 0);
        const int right = std::min(x + width, bounds_.width());
        const int top = std::max(y, 0);
        const int bottom = std::min(y + height, bounds_.height());
        if (left >= right)
            return;
        for (int row = top; row < bottom; ++row)
            std::fill(line(row) + left, line(row) + right, colour);
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
