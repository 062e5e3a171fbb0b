#include "display/qt/PageInputOf.h"

#include "accounts/PlannedYearHours.h"

namespace tp {

PageInput pageInputOf(const PageLook& look, const QFont& font,
                      std::vector<const DayMarksSource*> markSources) {
    PageInput input{look, font, std::move(markSources)};
    input.crewYearTotals = [shifts = look.shifts](int year) {
        return plannedYearHoursOfCrews(shifts, year);
    };
    return input;
}

PageMarkSources::PageMarkSources(const AstronomySettings& place, const PageSwitches& switches,
                                 const NoteIndexes& notes, const ShiftMarkingList& markings,
                                 const CalendarBarList& bars, CalendarType calendarType,
                                 LunationCache& lunations)
    : astronomy_(place, dayMarkRequestOf(switches.moonPhases, switches.orbitExtremes), lunations),
      notes_(notes), markings_(markings, bars, calendarType) {}

} // namespace tp
