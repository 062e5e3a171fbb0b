#pragma once

#include "astro/AstronomyMarksSource.h"
#include "display/PageLook.h"
#include "display/qt/PageInput.h"
#include "markings/MarkingsMarksSource.h"
#include "notes/NoteMarksSource.h"

namespace tp {

// The drawing of `look` as it is, in `font`, with the planned yearly hours of the crews for the
// sheet; `markSources` contribute the day marks.
PageInput pageInputOf(const PageLook& look, const QFont& font,
                      std::vector<const DayMarksSource*> markSources);

// The day marks of the page the main window shows, on the screen and on paper alike: the
// astronomy, the notes, and the shift markings with the calendar bars. Reads the values it is
// made from, so it must not outlive them.
class PageMarkSources {
  public:
    PageMarkSources(const AstronomySettings& place, const PageSwitches& switches,
                    const NoteIndexes& notes, const ShiftMarkingList& markings,
                    const CalendarBarList& bars, CalendarType calendarType,
                    LunationCache& lunations);
    std::vector<const DayMarksSource*> all() const { return {&astronomy_, &notes_, &markings_}; }

  private:
    AstronomyMarksSource astronomy_;
    NoteMarksSource notes_;
    MarkingsMarksSource markings_;
};

} // namespace tp
