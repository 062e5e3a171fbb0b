#pragma once

#include "model/DayNumber.h"
#include "notes/NoteNames.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tp {

// Whether any periodic note falls on a day, as periodicNotesOnDay counts them, for days asked
// mostly in ascending order, as a page asks for its rows. Each series keeps the next day it
// falls on and steps on by adding its period, instead of dividing once per note and day; a
// day before the last one asked starts the series over.
class PeriodicNoteDays {
  public:
    explicit PeriodicNoteDays(const std::vector<PeriodicNoteEntry>& entries);

    bool anyOn(DayNumber day);

  private:
    struct Series {
        std::int32_t period;
        std::int32_t residue; // of the anchor, as % leaves it
        DayNumber next;       // first day on the series not before the last day asked
    };
    void startAt(DayNumber day);

    const std::vector<PeriodicNoteEntry>& entries_;
    std::vector<Series> series_;
    std::optional<DayNumber> lastAsked_;
};

} // namespace tp
