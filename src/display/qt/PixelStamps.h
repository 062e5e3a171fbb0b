#pragma once

#include "display/qt/PixelFill.h"

#include <QRect>
#include <QString>

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tp {

// Remembers what small drawings (moon and eclipse symbols, the apogee and perigee letters,
// circles) made of the pixels under them, by the kind of drawing and the pixels it found.
// The same drawing on the same pixels elsewhere on a page is then a copy: drawn through
// QPainter, each of them costs as much as a hundred day rows.
//
// A drawing is remembered only when it stayed inside its area: the pixels around the area are
// compared before and after. The result of a drawing may depend only on its kind and on the
// pixels of its area, not on where on the page it lies; the kind must name everything else it
// reads (size, colours, the background).
// What a drawing is: a number for what it draws and what it reads, and its text if it has one.
struct StampKind {
    std::uint64_t code = 0;
    QString text;
    friend bool operator==(const StampKind&, const StampKind&) = default;
};

class PixelStamps {
  public:
    // At most `capacity` drawings are kept; 0 keeps none, every drawing is made anew.
    explicit PixelStamps(std::size_t capacity = 4096) : capacity_(capacity) {}

    // Makes `area` of the page look as `drawDirectly` would: by copying a remembered result,
    // or by calling it.
    template <typename Draw>
    void draw(const PixelFill& page, const StampKind& kind, const QRect& area,
              Draw&& drawDirectly) {
        draw(page, kind, area, drawDirectly, [] { return true; });
    }

    // The same for a drawing that may reach far out of its area: it is remembered only
    // where `staysInArea` says it does not (asked only when there is nothing to copy).
    template <typename Draw, typename StaysInArea>
    void draw(const PixelFill& page, const StampKind& kind, const QRect& area, Draw&& drawDirectly,
              StaysInArea&& staysInArea) {
        if (capacity_ == 0 || area.isEmpty() || !page.bounds().contains(area)) {
            drawDirectly();
            return;
        }
        const std::uint64_t key = keyOf(page, kind, area);
        if (replay(page, key, kind, area))
            return;
        if (!staysInArea()) {
            drawDirectly();
            return;
        }
        // Beyond the page's edge nothing can be drawn: the ring ends there.
        const QRect guarded =
            area.adjusted(-kGuard, -kGuard, kGuard, kGuard).intersected(page.bounds());
        std::vector<QRgb> before = pixelsOf(page, guarded);
        drawDirectly();
        remember(page, key, kind, area, guarded, before);
    }

    void clear() { stamps_.clear(); }

  private:
    static constexpr int kGuard = 3; // the ring around an area that a drawing must leave alone

    struct Stamp {
        StampKind kind;
        QRect size; // at (0, 0)
        std::vector<QRgb> before;
        std::vector<QRgb> after;
    };

    static std::uint64_t keyOf(const PixelFill& page, const StampKind& kind, const QRect& area);
    static std::vector<QRgb> pixelsOf(const PixelFill& page, const QRect& area);
    bool replay(const PixelFill& page, std::uint64_t key, const StampKind& kind, const QRect& area);
    void remember(const PixelFill& page, std::uint64_t key, const StampKind& kind,
                  const QRect& area, const QRect& guarded, const std::vector<QRgb>& guardedBefore);

    std::size_t capacity_;
    std::unordered_multimap<std::uint64_t, Stamp> stamps_;
};

} // namespace tp
