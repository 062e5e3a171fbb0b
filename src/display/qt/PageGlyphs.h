#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QImage>
#include <QRawFont>

#include "display/qt/PixelFill.h"
#include "model/DayNumber.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tp {

struct GlyphText {
    int width = 0;                      // advance width in pixels
    QRect ink;                          // relative to the start of the text on its baseline
    QRect inked;                        // the part of `ink` with any coverage, same origin
    std::vector<std::uint8_t> coverage; // ink.width() × ink.height(), row after row
};

// The short texts the page repeats on every row (numbers, weekday letters, shift letters).
// They are drawn once per page, white on black, and kept as coverage masks; each row then
// blends a mask into the page in the wanted colour. Shaping and drawing them through QPainter
// on every row would cost most of a page rebuild.
class PageGlyphs {
  public:
    explicit PageGlyphs(const QFont& font);

    // Day and week numbers 1..53.
    const GlyphText& number(int value) const { return numbers_[static_cast<std::size_t>(value)]; }
    // First two letters of the weekday's name.
    const GlyphText& weekdayLetters(Weekday weekday) const {
        return weekdays_[static_cast<std::size_t>(weekday)];
    }
    // One ASCII character ('U', 'F', 'S', 'N', 'f', '1'...).
    const GlyphText& character(char c) const { return characters_[static_cast<unsigned char>(c)]; }

    int ascent() const { return ascent_; }
    int height() const { return height_; }

    // Text with its left end at x and its baseline at `baseline` on the page.
    void draw(const PixelFill& page, int x, int baseline, const GlyphText& text, QRgb colour);

  private:
    // A text blended in one colour over one plain colour: most texts of the page lie on the
    // background or inside a box, and are then copied whole.
    struct BlendKey {
        const GlyphText* text;
        QRgb colour;
        QRgb under;
        bool operator==(const BlendKey&) const = default;
    };
    struct BlendKeyHash {
        std::size_t operator()(const BlendKey& key) const;
    };
    const std::vector<QRgb>& blendedOnPlain(const GlyphText& text, QRgb colour, QRgb under);

    QGlyphRun layout(const QString& text, GlyphText& laidOut);
    void render();

    QRawFont rawFont_;
    QFont font_;
    int ascent_ = 0;
    int height_ = 0;
    int padding_ = 0;
    std::vector<std::pair<QGlyphRun, GlyphText*>> pending_;
    std::array<GlyphText, 54> numbers_;
    std::array<GlyphText, 7> weekdays_;
    std::array<GlyphText, 128> characters_;
    std::unordered_map<BlendKey, std::vector<QRgb>, BlendKeyHash> blended_;
};

} // namespace tp
