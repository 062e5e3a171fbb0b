#include "display/SheetGeometry.h"

#include <charconv>
#include <cmath>

namespace tp {

SheetFrame sheetFrameFor(PixelSize area) {
    constexpr double kProportion = 1.44; // width : height of a landscape sheet
    int sheetWidth = area.width;
    int sheetHeight = area.height;
    if (area.width > kProportion * area.height)
        sheetWidth = static_cast<int>(std::lround(kProportion * area.height));
    else
        sheetHeight = static_cast<int>(std::lround(area.width / kProportion));

    SheetFrame frame;
    frame.cellWidth = sheetWidth / kSheetGridColumns;
    frame.cellHeight = sheetHeight / kSheetGridRows;
    frame.marginLeft = (area.width - kSheetGridColumns * frame.cellWidth) / 2;
    frame.marginTop = (area.height - kSheetGridRows * frame.cellHeight) / 2;
    frame.imageSize = {kSheetGridColumns * frame.cellWidth + 4,
                       kSheetGridRows * frame.cellHeight + 4};
    return frame;
}

std::string hourBalanceText(double targetHours, double yearlyHours) {
    double balance = targetHours - yearlyHours;
    if (std::fabs(balance) < 0.005)
        balance = 0.0; // never "-0.00"
    // Not printf: the desktop's locale could turn the point into a comma.
    char text[32];
    const auto result =
        std::to_chars(text, text + sizeof text, balance, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

} // namespace tp
