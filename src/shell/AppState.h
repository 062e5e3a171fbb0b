#pragma once

#include "display/PageGeometry.h"
#include "model/ShiftSystem.h"
#include "model/ViewPosition.h"
#include "platform/StoredFiles.h"
#include "settings/DataFolders.h"
#include "settings/ProgramSettings.h"

namespace tp {

inline constexpr int kInitialPageBackground = 0xD8E9EC; // Windows colour value 0x00BBGGRR
inline constexpr int kInitialLastColumnIndex = 5;

// Everything the main window and its commands read and change during one run. Owned by the
// start-up code and passed by reference to whoever needs it.
struct AppState {
    int pageBackground = kInitialPageBackground;
    int lastColumnIndex = kInitialLastColumnIndex; // the page shows columns 0..lastColumnIndex
    int pageWidth = pageWidthUnits(kInitialLastColumnIndex); // in character-width units
    LayoutUnits units{0, 0};                                 // measured from the page font
    ViewPosition view;
    bool quit = false;
    bool showVacationBlock = true; // the "UB" toggle
    ShiftSystem shiftSystem;
    ProgramSettings settings;
    DataFolders folders;
    StoredFiles storedFiles; // files not to replace, failures already told
    bool shiftMarkingsChanged = false;
    bool calendarBarsChanged = false;
};

// Copies the column count and the "UB" flag from the settings into the running program's
// fields, and them and the calendar type back before the settings are written. A column
// count out of range falls back to six columns.
void takeOverSettings(AppState& state);
void storeStateInSettings(AppState& state);

static_assert(pageWidthUnits(kInitialLastColumnIndex) == 108);

} // namespace tp
