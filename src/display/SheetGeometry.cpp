#include "display/SheetGeometry.h"

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

} // namespace tp
