#pragma once

#include "display/DayCellTable.h"
#include "display/PageInput.h"

#include <QImage>

namespace tp {

// Month-column page: resizes `page` to the page size if needed, fills it with the background
// colour and draws every column; `cells` is resized to the column count and filled.
void drawMonthColumns(QImage& page, const PageInput& input, DayCellTable& cells);

// The black rounded frame around the cursor day of input.view.
void drawCursorFrame(QImage& page, const PageInput& input);

// What the main window shows after a rebuild without a cursor move: the sheet for the
// sheet calendar type, else the columns and the cursor frame.
void drawPage(QImage& page, const PageInput& input, DayCellTable& cells);

} // namespace tp
