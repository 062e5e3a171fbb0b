#pragma once

#include "astro/AstronomyMarksSource.h"
#include "display/PageInput.h"
#include "markings/MarkingsMarksSource.h"
#include "notes/NoteMarksSource.h"
#include "shell/AppState.h"

namespace tp {

// What one page drawing reads of the running program: the view, the shift system, the
// display switches and the sheet's yearly hours. `markSources` contribute the day marks.
PageInput pageInputOf(const AppState& state, const QFont& font,
                      std::vector<const DayMarksSource*> markSources);

// The day marks of the page the main window shows, on the screen and on paper alike: the
// astronomy, the notes, and the shift markings with the calendar bars. Reads the state it is
// made from, so it must not outlive it.
class PageMarkSources {
  public:
    PageMarkSources(const AppState& state, LunationCache& lunations);
    std::vector<const DayMarksSource*> all() const { return {&astronomy_, &notes_, &markings_}; }

  private:
    AstronomyMarksSource astronomy_;
    NoteMarksSource notes_;
    MarkingsMarksSource markings_;
};

} // namespace tp
