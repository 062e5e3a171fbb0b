#pragma once

#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "model/DayMarks.h"

namespace tp {

// The calendar bar and the shift marking of each drawn day. Both lists are searched, not
// walked, so a page costs the same with thousands of entries.
class MarkingsMarksSource final : public DayMarksSource {
  public:
    MarkingsMarksSource(const ShiftMarkingList& markings, const CalendarBarList& bars,
                        CalendarType type)
        : markings_(markings), bars_(bars), type_(type) {}

    void addMarks(DayNumber day, DayMarks& marks) const override;

  private:
    const ShiftMarkingList& markings_;
    const CalendarBarList& bars_;
    CalendarType type_;
};

} // namespace tp
