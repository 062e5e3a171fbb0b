#include "shell/AppState.h"

namespace tp {

void takeOverSettings(AppState& state) {
    const ProgramSettings& settings = state.settings;
    const bool columnsValid = settings.lastColumnIndex >= kMinLastColumnIndex &&
                              settings.lastColumnIndex <= kMaxLastColumnIndex;
    state.lastColumnIndex = columnsValid ? settings.lastColumnIndex : kInitialLastColumnIndex;
    state.pageWidth = pageWidthUnits(state.lastColumnIndex);
    state.showVacationBlock = settings.showVacationBlock;
}

void storeStateInSettings(AppState& state) {
    ProgramSettings& settings = state.settings;
    settings.lastColumnIndex = static_cast<std::int8_t>(state.lastColumnIndex);
    settings.calendarType = static_cast<std::int8_t>(state.shiftSystem.calendarType);
    settings.showVacationBlock = state.showVacationBlock;
}

} // namespace tp
