#pragma once

#include "display/DayCellTable.h"
#include "display/qt/PageInput.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>

namespace tp {

class PageDrawingCache;

// Told of each month heading, day number and weekday text drawn, with the left end of its
// baseline; a PDF lays them over the page picture as its searchable text.
using PageTextSink = std::function<void(QPoint baselineLeft, const QString& text)>;

// Month-column page: resizes `page` to the page size if needed, fills it with the background
// colour and draws every column; `cells` is resized to the column count and filled. `cache`
// keeps what the next page can use again; without it everything is prepared anew.
void drawMonthColumns(QImage& page, const PageInput& input, DayCellTable& cells,
                      PageDrawingCache& cache, const PageTextSink* texts = nullptr);
void drawMonthColumns(QImage& page, const PageInput& input, DayCellTable& cells,
                      const PageTextSink* texts = nullptr);

// The black rounded frame around the cursor day of input.view.
void drawCursorFrame(QImage& page, const PageInput& input);

// What the main window shows after a rebuild without a cursor move: the sheet for the
// sheet calendar type, else the columns and the cursor frame.
void drawPage(QImage& page, const PageInput& input, DayCellTable& cells, PageDrawingCache& cache);
void drawPage(QImage& page, const PageInput& input, DayCellTable& cells);

} // namespace tp
