#pragma once

#include "display/PageInput.h"
#include "shell/AppState.h"

namespace tp {

// What one page drawing reads of the running program: the view, the shift system, the
// display switches and the sheet's yearly hours. `markSources` contribute the day marks.
PageInput pageInputOf(const AppState& state, const QFont& font,
                      std::vector<const DayMarksSource*> markSources);

} // namespace tp
