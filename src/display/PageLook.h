#pragma once

#include "display/PageGeometry.h"
#include "model/ShiftSystem.h"
#include "model/ViewPosition.h"
#include "settings/ProgramSettings.h"

namespace tp {

// What one page drawing reads of the running program besides the font and the day marks.
struct PageLook {
    ShiftSystem shifts;                            // calendarType decides columns or sheet
    ViewPosition view;                             // first displayed month and the cursor
    int lastColumnIndex = kDefaultLastColumnIndex; // columns 0..lastColumnIndex
    PageSwitches switches{};                       // what the user chose to see
    AccountTargets targets{};                      // the sheet prints the yearly target hours
    int backgroundColour = 0xD8E9EC;               // Windows colour value
    LayoutUnits units{};                           // W and H of the page font
};

} // namespace tp
