#pragma once

#include "markings/MarkingCodes.h"
#include "platform/UserFileStore.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

inline constexpr const char* kShiftMarkingFileName = "Schichtmarkierung.dat";

// What the user did on one day where it differs from the plan.
struct ShiftMarking {
    DayNumber day = 0;
    std::int8_t column = 0; // 1..4
    std::int8_t code = 0;   // MarkingKind under types 0..5
    friend bool operator==(const ShiftMarking&, const ShiftMarking&) = default;
};

// The markings of the logged-in user, ascending by day, at most one per day.
class ShiftMarkingList {
  public:
    ShiftMarkingList() = default;
    // Keeps the first marking of each day, in day order.
    explicit ShiftMarkingList(std::vector<ShiftMarking> markings);

    const std::vector<ShiftMarking>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }

    // The marking of `day`, or null.
    const ShiftMarking* markingOf(DayNumber day) const;

    // Sets the marking of `day`, replacing one there is in whatever column.
    void put(const ShiftMarking& marking);
    void remove(DayNumber day);
    // Removes every marking up to and including `lastDay`.
    void removeUpTo(DayNumber lastDay);

    // Whether the list differs from the file.
    bool changed = false;

  private:
    std::vector<ShiftMarking> entries_;
};

// "Schichtmarkierung.dat": 6 bytes per marking (day, column, code), never day 0 and only the
// first marking of a day.
std::string shiftMarkingFileBytes(const ShiftMarkingList& list);
ShiftMarkingList shiftMarkingsFromFileBytes(std::string_view bytes);

// The markings stored in `folder`; a missing file gives an empty list.
ShiftMarkingList loadShiftMarkings(UserFileStore& store, const std::filesystem::path& folder);

// Writes the markings into `folder` (deletes the file when there are none) and clears the
// changed flag. A file that could not be read at loading is left alone and reported.
SaveResult saveShiftMarkings(UserFileStore& store, const std::filesystem::path& folder,
                             ShiftMarkingList& list);

// The code the marking window starts with: that of the day's marking, or 0.
int currentMarkingCode(const ShiftMarkingList& list, DayNumber day);

// Stores what the marking window returned for `day` and `column`: the delete code of
// `type` removes the day's marking, every other code sets it.
void storeShiftMarking(ShiftMarkingList& list, CalendarType type, DayNumber day, int column,
                       int code);

} // namespace tp
