#include "display/qt/PageDrawingCache.h"

namespace tp {

void PageDrawingCache::prepareFor(const QFont& font, const LayoutUnits& units) {
    if (glyphs_ && font == font_ && units.w == units_.w && units.h == units_.h)
        return;
    font_ = font;
    units_ = units;
    glyphs_.emplace(font);
    stamps_.clear();
}

} // namespace tp
