#pragma once

#include "model/ShiftSystem.h"
#include "model/ViewPosition.h"
#include "settings/DataFolders.h"
#include "settings/ProgramSettings.h"

namespace tp {

inline constexpr int kInitialPageBackground = 0xD8E9EC; // Windows colour value 0x00BBGGRR
inline constexpr int kInitialLastColumnIndex = 5;
inline constexpr int kColumnUnits = 18; // width of one month column in character-width units

constexpr int pageWidthUnits(int lastColumnIndex) {
    return (lastColumnIndex + 1) * kColumnUnits;
}

// Everything the main window and its commands read and change during one run. Owned by the
// start-up code and passed by reference to whoever needs it.
struct AppState {
    int pageBackground = kInitialPageBackground;
    int lastColumnIndex = kInitialLastColumnIndex; // the page shows columns 0..lastColumnIndex
    int pageWidth = pageWidthUnits(kInitialLastColumnIndex);
    int unitW = 8;  // character-width unit in pixels
    int unitH = 12; // row-height unit in pixels
    ViewPosition view;
    bool quit = false;
    bool showVacationBlock = true; // the "UB" toggle
    ShiftSystem shiftSystem;
    ProgramSettings settings;
    DataFolders folders;
    bool shiftMarkingsChanged = false;
    bool calendarBarsChanged = false;
};

static_assert(pageWidthUnits(kInitialLastColumnIndex) == 108);

} // namespace tp
