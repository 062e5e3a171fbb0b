#include "shell/PageInputOf.h"

#include "accounts/PlannedYearHours.h"

namespace tp {

PageInput pageInputOf(const AppState& state, const QFont& font,
                      std::vector<const DayMarksSource*> markSources) {
    PageInput input{state.settings, state.shiftSystem, state.view};
    input.lastColumnIndex = state.lastColumnIndex;
    input.showVacationBlock = state.showVacationBlock;
    input.backgroundColour = state.pageBackground;
    input.font = font;
    input.units = state.units;
    input.markSources = std::move(markSources);
    const ShiftSystem& shifts = state.shiftSystem;
    input.crewYearTotals = [&shifts](int year) { return plannedYearHoursOfCrews(shifts, year); };
    return input;
}

} // namespace tp
