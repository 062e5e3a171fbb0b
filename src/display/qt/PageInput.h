#pragma once

#include "display/PageLook.h"
#include "model/DayMarks.h"

#include <QFont>

#include <array>
#include <functional>
#include <vector>

namespace tp {

// Yearly hours of crews 0..4 under the five-crew rotation, for the target-hour figures of the
// shift plan sheet.
using CrewYearTotals = std::function<std::array<double, kCrewCount>(int year)>;

// Everything one page drawing reads: the look of the page as the program holds it, and what
// only the drawing needs.
struct PageInput : PageLook {
    QFont font{};                                     // the page font
    std::vector<const DayMarksSource*> markSources{}; // notes, markings, bars, astronomy
    CrewYearTotals crewYearTotals{};                  // sheet only; empty leaves the figures out
};

} // namespace tp
