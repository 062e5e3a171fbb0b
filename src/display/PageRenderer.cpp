#include "display/PageRenderer.h"

namespace tp {

void drawMonthColumns(QImage&, const PageInput&, DayCellTable&) {}
void drawCursorFrame(QImage&, const PageInput&) {}
void drawShiftPlanSheet(QImage&, const PageInput&) {}
void drawPage(QImage&, const PageInput&, DayCellTable&) {}

} // namespace tp
