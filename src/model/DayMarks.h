#pragma once

#include "model/DayNumber.h"

#include <optional>
#include <string>

namespace tp {

enum class WeekdayNoteMark { None, Full, Half }; // Half: an ordinary and a last-week entry
enum class EclipseSymbol { None, Solar, Lunar };

// The per-day marks that other subsystems contribute to a day row and its shift area.
// Each source fills only its own fields; the page applies the display switches.
struct DayMarks {
    std::optional<int> barColour; // Windows colour value of the first calendar bar over the day
    bool dayNote = false;
    bool periodicNote = false;
    bool yearlyNote = false;
    WeekdayNoteMark weekdayNote = WeekdayNoteMark::None;

    int markingColumn = 0;     // shift marking of the day: column 1..4, 0 = none
    std::string markingLetter; // its letter, UTF-8

    char moonPhase = 0; // 'N' new, 'V' full, 'E' first, 'L' last quarter; 0 none
    EclipseSymbol eclipse = EclipseSymbol::None; // only the kind the astronomy panel selects
    char lunarApsis = 0;                         // 'F' apogee, 'N' perigee; 0 none
};

// One contributor of day marks (notes, markings and bars, astronomy).
class DayMarksSource {
  public:
    virtual ~DayMarksSource() = default;
    virtual void addMarks(DayNumber day, DayMarks& marks) const = 0;
};

} // namespace tp
