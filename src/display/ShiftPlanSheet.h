#pragma once

#include "display/PageInput.h"

#include <QImage>

namespace tp {

// The half-year shift plan sheet of the half year holding the first displayed month;
// `page` is resized to the sheet's image size.
void drawShiftPlanSheet(QImage& page, const PageInput& input);

} // namespace tp
