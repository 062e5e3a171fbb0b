#pragma once

#include "model/DayMarks.h"
#include "notes/NoteFiles.h"

namespace tp {

// The note marks of the day rows, answered from the note indexes without reading any file.
class NoteMarksSource final : public DayMarksSource {
  public:
    explicit NoteMarksSource(const NoteIndexes& indexes) : indexes_(indexes) {}

    void addMarks(DayNumber day, DayMarks& marks) const override;

  private:
    const NoteIndexes& indexes_;
};

} // namespace tp
