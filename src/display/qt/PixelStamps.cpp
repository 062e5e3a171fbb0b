#include "display/qt/PixelStamps.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tp {

namespace {

constexpr std::uint64_t kHashPrime = 0x100000001B3ull;

std::uint64_t mixed(std::uint64_t hash, std::uint64_t value) {
    return (hash ^ value) * kHashPrime;
}

} // namespace

std::uint64_t PixelStamps::keyOf(const PixelFill& page, const StampKind& kind, const QRect& area) {
    std::uint64_t hash = mixed(mixed(0xCBF29CE484222325ull, kind.code), qHash(kind.text));
    hash = mixed(hash, static_cast<std::uint64_t>(area.width()) << 32 |
                           static_cast<std::uint32_t>(area.height()));
    // A quick mix per pixel and a thorough one per row: equal keys are compared pixel by pixel
    // anyway.
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* line = page.line(y) + area.left();
        std::uint64_t row = 0;
        for (int x = 0; x < area.width(); ++x)
            row = std::rotl(row, 7) ^ line[x];
        hash = mixed(hash, row);
    }
    return hash;
}

std::vector<QRgb> PixelStamps::pixelsOf(const PixelFill& page, const QRect& area) {
    std::vector<QRgb> pixels;
    pixels.reserve(static_cast<std::size_t>(area.width() * area.height()));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* line = page.line(y) + area.left();
        pixels.insert(pixels.end(), line, line + area.width());
    }
    return pixels;
}

bool PixelStamps::replay(const PixelFill& page, std::uint64_t key, const StampKind& kind,
                         const QRect& area) {
    const auto [first, last] = stamps_.equal_range(key);
    const std::size_t rowBytes = static_cast<std::size_t>(area.width()) * sizeof(QRgb);
    for (auto found = first; found != last; ++found) {
        const Stamp& stamp = found->second;
        if (stamp.kind != kind || stamp.size.size() != area.size())
            continue;
        bool same = true;
        for (int row = 0; same && row < area.height(); ++row)
            same = std::memcmp(page.line(area.top() + row) + area.left(),
                               stamp.before.data() + row * area.width(), rowBytes) == 0;
        if (!same)
            continue;
        for (int row = 0; row < area.height(); ++row)
            std::memcpy(page.line(area.top() + row) + area.left(),
                        stamp.after.data() + row * area.width(), rowBytes);
        return true;
    }
    return false;
}

void PixelStamps::remember(const PixelFill& page, std::uint64_t key, const StampKind& kind,
                           const QRect& area, const QRect& guarded,
                           const std::vector<QRgb>& guardedBefore) {
    std::vector<QRgb> before;
    before.reserve(static_cast<std::size_t>(area.width() * area.height()));
    for (int y = guarded.top(); y <= guarded.bottom(); ++y) {
        const QRgb* now = page.line(y) + guarded.left();
        const QRgb* then = guardedBefore.data() + (y - guarded.top()) * guarded.width();
        const bool insideRow = y >= area.top() && y <= area.bottom();
        for (int x = 0; x < guarded.width(); ++x) {
            const int pageX = guarded.left() + x;
            const bool inside = insideRow && pageX >= area.left() && pageX <= area.right();
            if (inside)
                before.push_back(then[x]);
            else if (now[x] != then[x])
                return; // the drawing reached beyond its area: it cannot be copied
        }
    }
    if (stamps_.size() >= capacity_)
        stamps_.clear();
    stamps_.emplace(key, Stamp{kind, QRect(QPoint(0, 0), area.size()), std::move(before),
                               pixelsOf(page, area)});
}

} // namespace tp
