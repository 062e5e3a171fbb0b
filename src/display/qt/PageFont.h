#pragma once

#include "display/PageGeometry.h"
#include "settings/ProgramSettings.h"

#include <QFont>

#include <cstdint>
#include <optional>

namespace tp {

// The style bits of the stored font.
inline constexpr std::int32_t kFontStyleUnderline = 4;
inline constexpr std::int32_t kFontStyleStrikeOut = 8;
inline constexpr std::int32_t kFontStyleBold = 256;
inline constexpr std::int32_t kFontStyleItalic = 512;

// The page font the user chose: name ("System" is the desktop's default font), size in points
// and the style bits. Nothing when the font cannot be made (then the units are
// kFallbackUnits).
std::optional<QFont> pageFontOf(const FontChoice& choice);

// The style bits that describe `font` (bold, italic, underline, strike-out).
std::int32_t fontStyleOf(const QFont& font);

// Adds the drawn width and height of the characters "0".."z" of `font` to w and h, starting
// from their previous values, then divides both by 74. Re-measuring the same font therefore
// grows the units a little; the window layout has always been built on this.
void measureUnits(const QFont& font, int& w, int& h);

// The units of a freshly loaded font (measured from zero), or kFallbackUnits without one.
LayoutUnits unitsOfFont(const std::optional<QFont>& font);

} // namespace tp
