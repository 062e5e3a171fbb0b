#include "display/qt/PageFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>

namespace tp {

namespace {

constexpr int kLargestFontSize = 400;

} // namespace

std::optional<QFont> pageFontOf(const FontChoice& choice) {
    if (choice.size <= 0 || choice.size > kLargestFontSize)
        return std::nullopt;
    QFont font;
    if (choice.name.empty() || choice.name == "System")
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    else
        font = QFont(QString::fromStdString(choice.name));
    font.setPointSize(choice.size);
    font.setBold((choice.style & kFontStyleBold) != 0);
    font.setItalic((choice.style & kFontStyleItalic) != 0);
    font.setUnderline((choice.style & kFontStyleUnderline) != 0);
    font.setStrikeOut((choice.style & kFontStyleStrikeOut) != 0);
    return font;
}

std::int32_t fontStyleOf(const QFont& font) {
    return (font.bold() ? kFontStyleBold : 0) | (font.italic() ? kFontStyleItalic : 0) |
           (font.underline() ? kFontStyleUnderline : 0) |
           (font.strikeOut() ? kFontStyleStrikeOut : 0);
}

void measureUnits(const QFont& font, int& w, int& h) {
    // Measured on an image like the page itself, so that the units match what is drawn.
    const QImage surface(1, 1, QImage::Format_RGB32);
    const QFontMetrics metrics(font, &surface);
    for (char16_t character = u'0'; character <= u'z'; ++character) {
        w += metrics.horizontalAdvance(QChar(character));
        h += metrics.height();
    }
    w /= 74;
    h /= 74;
}

LayoutUnits unitsOfFont(const std::optional<QFont>& font) {
    if (!font)
        return kFallbackUnits;
    LayoutUnits units{0, 0};
    measureUnits(*font, units.w, units.h);
    return units;
}

} // namespace tp
