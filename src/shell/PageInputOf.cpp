#include "shell/PageInputOf.h"

#include "accounts/PlannedYearHours.h"

namespace tp {

PageInput pageInputOf(const AppState& state, const QFont& font,
                      std::vector<const DayMarksSource*> markSources) {
    PageInput input{shiftSystemOf(state), state.view};
    input.lastColumnIndex = state.lastColumnIndex;
    input.switches = state.switches;
    input.targetHours38 = state.targetHours38;
    input.backgroundColour = state.pageBackground;
    input.font = font;
    input.units = state.units;
    input.markSources = std::move(markSources);
    input.crewYearTotals = [shifts = input.shifts](int year) {
        return plannedYearHoursOfCrews(shifts, year);
    };
    return input;
}

PageMarkSources::PageMarkSources(const AppState& state, LunationCache& lunations)
    : astronomy_(state.place,
                 dayMarkRequestOf(state.switches.moonPhases, state.switches.orbitExtremes),
                 lunations),
      notes_(state.noteIndexes),
      markings_(state.shiftMarkings, state.calendarBars, state.calendarType) {}

} // namespace tp
