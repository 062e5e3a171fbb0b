#pragma once

#include "display/SheetGeometry.h"
#include "display/qt/PageInput.h"

#include <QImage>
#include <QPainter>

namespace tp {

class PageDrawingCache;

// The half-year shift plan sheet of the half year holding the first displayed month;
// `page` is resized to the sheet's image size.
// `cache` keeps what the next sheet can use again.
void drawShiftPlanSheet(QImage& page, const PageInput& input, PageDrawingCache& cache);
void drawShiftPlanSheet(QImage& page, const PageInput& input);

// The same sheet laid out in `frame` and drawn with `painter` on a white surface; on a
// printer or PDF device lines and texts stay vector drawing.
void paintShiftPlanSheet(QPainter& painter, const PageInput& input, const SheetFrame& frame);

} // namespace tp
