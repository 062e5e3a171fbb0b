#include "display/qt/PageGlyphs.h"

#include "model/DayNumber.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tp {

namespace {

constexpr std::string_view kCharacters = "UFSNf0123456789XLKA-";

} // namespace

PageGlyphs::PageGlyphs(const QFont& font) : rawFont_(QRawFont::fromFont(font)), font_(font) {
    const QImage surface(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &surface);
    ascent_ = metrics.ascent();
    height_ = metrics.height();
    padding_ = std::max(2, height_ / 2); // overhang of italic glyphs
    for (std::size_t value = 1; value < numbers_.size(); ++value)
        pending_.emplace_back(layout(QString::number(value), numbers_[value]), &numbers_[value]);
    for (std::size_t weekday = 0; weekday < weekdays_.size(); ++weekday)
        pending_.emplace_back(
            layout(QString::fromLatin1(WeekdayNames[weekday].data(), 2), weekdays_[weekday]),
            &weekdays_[weekday]);
    for (const char c : kCharacters) {
        GlyphText& text = characters_[static_cast<unsigned char>(c)];
        pending_.emplace_back(layout(QString(QChar::fromLatin1(c)), text), &text);
    }
    render();
}

QGlyphRun PageGlyphs::layout(const QString& text, GlyphText& laidOut) {
    QGlyphRun run;
    if (!rawFont_.isValid())
        return run;
    const QList<quint32> glyphs = rawFont_.glyphIndexesForString(text);
    const QList<QPointF> advances = rawFont_.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    QPointF pen(0, 0);
    for (const QPointF& advance : advances) {
        positions.append(pen);
        pen += advance;
    }
    run.setRawFont(rawFont_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(font_.underline());
    run.setStrikeOut(font_.strikeOut());
    laidOut.width = static_cast<int>(std::lround(pen.x()));
    // Ink relative to the pen start on the baseline, from the glyph outlines.
    QRectF ink;
    for (qsizetype i = 0; i < glyphs.size(); ++i)
        ink |= rawFont_.boundingRect(glyphs[i]).translated(positions[i]);
    if (font_.underline() || font_.strikeOut())
        ink |= QRectF(0, -ascent_, pen.x(), height_);
    laidOut.ink = ink.isEmpty() ? QRect()
                                : QRect(QPoint(static_cast<int>(std::floor(ink.left())) - 1,
                                               static_cast<int>(std::floor(ink.top())) - 1),
                                        QPoint(static_cast<int>(std::ceil(ink.right())) + 1,
                                               static_cast<int>(std::ceil(ink.bottom())) + 1));
    return run;
}

void PageGlyphs::render() {
    // All texts side by side on one strip, each in a slot as wide as the widest ink.
    int slotWidth = 1;
    for (const auto& entry : pending_)
        slotWidth = std::max(slotWidth, entry.second->ink.width() + 2 * padding_);
    const int stripHeight = height_ + 2 * padding_;
    QImage strip(slotWidth * std::max<int>(1, static_cast<int>(pending_.size())),
                 std::max(1, stripHeight), QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter painter(&strip);
    painter.setPen(Qt::white);
    for (std::size_t slot = 0; slot < pending_.size(); ++slot) {
        const auto& [run, text] = pending_[slot];
        const QPoint origin(static_cast<int>(slot) * slotWidth + padding_ - text->ink.left(),
                            padding_ + ascent_);
        painter.drawGlyphRun(origin, run);
    }
    painter.end();

    for (std::size_t slot = 0; slot < pending_.size(); ++slot) {
        GlyphText& text = *pending_[slot].second;
        const QPoint origin(static_cast<int>(slot) * slotWidth + padding_ - text.ink.left(),
                            padding_ + ascent_);
        const QRect inStrip = text.ink.translated(origin).intersected(strip.rect());
        text.ink = inStrip.translated(-origin);
        text.coverage.assign(static_cast<std::size_t>(inStrip.width() * inStrip.height()), 0);
        std::size_t index = 0;
        text.inked = QRect();
        for (int y = inStrip.top(); y <= inStrip.bottom(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
            for (int x = inStrip.left(); x <= inStrip.right(); ++x) {
                // Grey coverage; with sub-pixel rendering the channels differ a little.
                const QRgb pixel = line[x];
                const auto coverage =
                    static_cast<std::uint8_t>((qRed(pixel) + 2 * qGreen(pixel) + qBlue(pixel)) / 4);
                text.coverage[index++] = coverage;
                if (coverage != 0)
                    text.inked |= QRect(x, y, 1, 1).translated(-origin);
            }
        }
    }
    pending_.clear();
}

namespace {

// One pixel of `colour` over `under` at `coverage`: red and blue blended in one step, green in
// another; x / 255 as in Qt's blends.
QRgb blendedPixel(QRgb colour, QRgb under, QRgb coverage) {
    if (coverage == 0)
        return under;
    if (coverage == 255)
        return colour | 0xFF000000;
    const QRgb keep = 255 - coverage;
    QRgb rb = (colour & 0xFF00FF) * coverage + (under & 0xFF00FF) * keep;
    rb = ((rb + ((rb >> 8) & 0xFF00FF) + 0x800080) >> 8) & 0xFF00FF;
    QRgb g = (colour & 0x00FF00) * coverage + (under & 0x00FF00) * keep;
    g = ((g + ((g >> 8) & 0x00FF00) + 0x008000) >> 8) & 0x00FF00;
    return 0xFF000000 | rb | g;
}

// The one colour of every pixel of `area`, if it has one.
std::optional<QRgb> plainColourOf(const PixelFill& page, const QRect& area) {
    const QRgb first = page.line(area.top())[area.left()];
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const QRgb* line = page.line(y) + area.left();
        if (std::find_if(line, line + area.width(), [first](QRgb p) { return p != first; }) !=
            line + area.width())
            return std::nullopt;
    }
    return first;
}

} // namespace

std::size_t PageGlyphs::BlendKeyHash::operator()(const BlendKey& key) const {
    const std::size_t colours = (std::size_t{key.colour} << 32) ^ key.under;
    return std::hash<const void*>()(key.text) ^ (colours * 0x9E3779B97F4A7C15ull);
}

const std::vector<QRgb>& PageGlyphs::blendedOnPlain(const GlyphText& text, QRgb colour,
                                                    QRgb under) {
    // The texts on the page use a few colours over a few dozen plain ones; calendar bars
    // may bring many more, which are forgotten now and then.
    constexpr std::size_t kMostKept = 4096;
    const BlendKey key{&text, colour, under};
    if (const auto found = blended_.find(key); found != blended_.end())
        return found->second;
    if (blended_.size() >= kMostKept)
        blended_.clear();
    std::vector<QRgb> pixels(text.coverage.size());
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = blendedPixel(colour, under, text.coverage[i]);
    return blended_.emplace(key, std::move(pixels)).first->second;
}

void PageGlyphs::draw(const PixelFill& page, int x, int baseline, const GlyphText& text,
                      QRgb colour) {
    const QRect whole = text.ink.translated(x, baseline);
    const QRect target = whole.intersected(page.bounds());
    if (target.isEmpty() || text.inked.isEmpty())
        return;
    const int maskWidth = text.ink.width();
    // Only the inked part changes the page; a number inside a note box, whose edge runs
    // through the margin of its mask, is still copied whole.
    const QRect inked = text.inked.translated(x, baseline);
    if (page.bounds().contains(inked)) {
        if (const std::optional<QRgb> under = plainColourOf(page, inked)) {
            const std::vector<QRgb>& blended = blendedOnPlain(text, colour, *under);
            const int first = (inked.top() - whole.top()) * maskWidth + inked.left() - whole.left();
            for (int row = 0; row < inked.height(); ++row)
                std::copy_n(blended.data() + first + row * maskWidth, inked.width(),
                            page.line(inked.top() + row) + inked.left());
            return;
        }
    }
    const int maskLeft = target.left() - whole.left();
    const int maskTop = target.top() - whole.top();
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const std::uint8_t* mask =
            text.coverage.data() + (maskTop + y - target.top()) * maskWidth + maskLeft;
        QRgb* line = page.line(y) + target.left();
        for (int px = 0; px < target.width(); ++px)
            if (mask[px] != 0)
                line[px] = blendedPixel(colour, line[px], mask[px]);
    }
}

} // namespace tp
