#pragma once

#include "display/PageGeometry.h"
#include "display/PageOptions.h"
#include "model/DayMarks.h"
#include "model/MonthColumns.h"
#include "model/ShiftSystem.h"
#include "model/ViewPosition.h"

#include <QFont>

#include <array>
#include <functional>
#include <vector>

namespace tp {

// Yearly hours of crews 0..4 under the five-crew rotation, for the target-hour figures of the
// shift plan sheet.
using CrewYearTotals = std::function<std::array<double, kCrewCount>(int year)>;

// Everything one page drawing reads.
struct PageInput {
    ShiftSystem shifts;                               // calendarType decides columns or sheet
    ViewPosition view;                                // first displayed month and the cursor
    int lastColumnIndex = kDefaultLastColumnIndex;    // columns 0..lastColumnIndex
    PageSwitches switches{};                          // what the user chose to see
    float targetHours38 = 1982.76f;                   // sheet only: yearly target hours
    int backgroundColour = 0xD8E9EC;                  // Windows colour value
    QFont font{};                                     // the page font
    LayoutUnits units{};                              // W and H of that font
    std::vector<const DayMarksSource*> markSources{}; // notes, markings, bars, astronomy
    CrewYearTotals crewYearTotals{};                  // sheet only; empty leaves the figures out
};

} // namespace tp
