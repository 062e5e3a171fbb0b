#pragma once

#include "display/PageGeometry.h"
#include "display/qt/PageGlyphs.h"
#include "display/qt/PixelStamps.h"

#include <QFont>
#include <QImage>

#include <optional>

namespace tp {

// What drawing a page prepares that the next page can use again: the page font's texts and
// the symbols already drawn. Whoever draws page after page (the main window) keeps one; a
// new font or new units start it afresh.
class PageDrawingCache {
  public:
    // `rememberedDrawings` bounds the symbols kept; with 0 every symbol is drawn anew.
    explicit PageDrawingCache(std::size_t rememberedDrawings = 4096)
        : stamps_(rememberedDrawings) {}

    // Ready for pages in `font` with `units`.
    void prepareFor(const QFont& font, const LayoutUnits& units);

    PageGlyphs& glyphs() { return *glyphs_; }
    PixelStamps& stamps() { return stamps_; }
    // The shift plan sheet's picture once read; null before.
    QImage& sheetPicture() { return sheetPicture_; }

  private:
    QFont font_;
    LayoutUnits units_{};
    std::optional<PageGlyphs> glyphs_;
    PixelStamps stamps_;
    QImage sheetPicture_;
};

} // namespace tp
