#pragma once

#include "display/DayCellTable.h"
#include "display/PageGeometry.h"
#include "display/PageOptions.h"
#include "model/DayMarks.h"
#include "model/ShiftSystem.h"
#include "model/ViewPosition.h"

#include <QFont>
#include <QImage>

#include <array>
#include <functional>
#include <optional>
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

// The page font the user chose. Nothing when the font cannot be made (then the units are
// kFallbackUnits).
std::optional<QFont> pageFontOf(const FontChoice& choice);

// Adds the drawn width and height of the characters "0".."z" of `font` to w and h, starting
// from their previous values, then divides both by 74. Re-measuring the same font therefore
// grows the units a little; the window layout has always been built on this.
void measureUnits(const QFont& font, int& w, int& h);

// The units of a freshly loaded font (measured from zero), or kFallbackUnits without one.
LayoutUnits unitsOfFont(const std::optional<QFont>& font);

// Month-column page: resizes `page` to the page size if needed, fills it with the background
// colour and draws every column; `cells` is resized to the column count and filled.
void drawMonthColumns(QImage& page, const PageInput& input, DayCellTable& cells);

// The black rounded frame around the cursor day of input.view.
void drawCursorFrame(QImage& page, const PageInput& input);

// The half-year shift plan sheet of the half year holding the first displayed month;
// `page` is resized to the sheet's image size.
void drawShiftPlanSheet(QImage& page, const PageInput& input);

// What the main window shows after a rebuild without a cursor move: the sheet for the
// sheet calendar type, else the columns and the cursor frame.
void drawPage(QImage& page, const PageInput& input, DayCellTable& cells);

} // namespace tp
