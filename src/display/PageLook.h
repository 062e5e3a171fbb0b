#pragma once

#include "display/PageGeometry.h"
#include "display/PageOptions.h"
#include "model/MonthColumns.h"
#include "model/ShiftSystem.h"
#include "model/ViewPosition.h"

namespace tp {

// What one page drawing reads of the running program besides the font and the day marks.
struct PageLook {
    ShiftSystem shifts;
    ViewPosition view;
    int lastColumnIndex = kDefaultLastColumnIndex;
    PageSwitches switches{};
    float targetHours38 = 1982.76f;
    int backgroundColour = 0xD8E9EC;
    LayoutUnits units{};
};

} // namespace tp
