#pragma once

#include "display/PageGeometry.h"

#include <string>

namespace tp {

inline constexpr int kSheetGridColumns = 48;
inline constexpr int kSheetGridRows = 40;

// Where the half-year shift plan sheet sits in the area it is drawn for (the main window's
// width by the canvas height).
struct SheetFrame {
    int cellWidth = 0;
    int cellHeight = 0;
    int marginLeft = 0; // of the grid inside the area
    int marginTop = 0;
    PixelSize imageSize; // 48 × cell width + 4 by 40 × cell height + 4
};

// The largest 1.44 : 1 sheet that fits `area`, cut into the 48 × 40 grid.
SheetFrame sheetFrameFor(PixelSize area);

// First month (1 or 7) of the half year that holds `month`.
constexpr int sheetFirstMonth(int month) {
    return month <= 6 ? 1 : 7;
}

// A crew's hour figure on the sheet: target minus the crew's yearly hours, two decimals with a
// decimal point ("-1.24").
std::string hourBalanceText(double targetHours, double yearlyHours);

} // namespace tp
