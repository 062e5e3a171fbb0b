#pragma once

#include "model/DayMarks.h"
#include "notes/NoteFiles.h"
#include "notes/PeriodicNoteDays.h"

namespace tp {

// The note marks of the day rows, answered from the note indexes without reading any file.
class NoteMarksSource final : public DayMarksSource {
  public:
    explicit NoteMarksSource(const NoteIndexes& indexes)
        : indexes_(indexes), periodic_(indexes.periodicNotes) {}

    void addMarks(DayNumber day, DayMarks& marks) const override;

  private:
    const NoteIndexes& indexes_;
    mutable PeriodicNoteDays periodic_; // steps along with the rows of the page
};

} // namespace tp
