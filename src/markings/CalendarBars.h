#pragma once

#include "model/DayNumber.h"
#include "platform/UserFileStore.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

inline constexpr const char* kCalendarBarFileName = "Kalendermarkierung.dat";

// Colour values are 0x00BBGGRR. 0 means "no bar" on the page, so a bar is never stored black.
inline constexpr std::uint32_t kDefaultBarColour = 0xA1C2EF; // red 239, green 194, blue 161
inline constexpr std::uint32_t kNearestBarBlack = 0x010101;

// A coloured band over the days start..end, both included.
struct CalendarBar {
    DayNumber start = 0;
    DayNumber end = 0;
    std::uint32_t colour = kDefaultBarColour;
    friend bool operator==(const CalendarBar&, const CalendarBar&) = default;
};

// The colour a chosen colour is stored as: black becomes the nearest colour that is not.
constexpr std::uint32_t storableBarColour(std::uint32_t chosen) {
    return (chosen & 0xFFFFFFu) == 0 ? kNearestBarBlack : chosen;
}

// The bars of the logged-in user, ascending by start. Where bars overlap, the one that comes
// first covers the day.
class CalendarBarList {
  public:
    CalendarBarList() = default;
    explicit CalendarBarList(std::vector<CalendarBar> bars);

    const std::vector<CalendarBar>& bars() const { return bars_; }
    bool empty() const { return bars_.empty(); }

    // Index of the first bar with start <= day <= end, or -1.
    int indexOfBarAt(DayNumber day) const;

    void append(const CalendarBar& bar);
    void replace(int index, const CalendarBar& bar);
    void removeAt(int index);
    // Removes every bar that starts on or before `lastDay`.
    void removeStartingUpTo(DayNumber lastDay);

    bool changed = false;

  private:
    void reindex();

    std::vector<CalendarBar> bars_;
    // furthestEnd_[i]: the latest end among bars 0..i, so the first bar reaching a day is
    // found by binary search.
    std::vector<DayNumber> furthestEnd_;
};

// The colour of the first bar covering `day`, or 0 when no bar covers it.
std::uint32_t barColourOfDay(const CalendarBarList& list, DayNumber day);

// "Kalendermarkierung.dat": 12 bytes per bar (start, end, colour).
std::string calendarBarFileBytes(const CalendarBarList& list);
CalendarBarList calendarBarsFromFileBytes(std::string_view bytes);

CalendarBarList loadCalendarBars(UserFileStore& store, const std::filesystem::path& folder);

// Writes the bars into `folder` (deletes the file when there are none) and clears the changed
// flag. A file that could not be read at loading is left alone and reported.
SaveResult saveCalendarBars(UserFileStore& store, const std::filesystem::path& folder,
                            CalendarBarList& list);

// Removes every bar that starts on or before `lastDay`, also when it ends later.
void deleteBarsUpTo(CalendarBarList& list, DayNumber lastDay);

// What the bar window starts with for `day`: the bar there, or the day alone in the
// default colour.
CalendarBar barShownForDay(const CalendarBarList& list, DayNumber day);

// "Speichern" of the bar window: reversed dates are swapped; the bar found for the start
// (else for the end) is overwritten, otherwise a new bar is added.
void saveBarEntry(CalendarBarList& list, DayNumber start, DayNumber end, std::uint32_t colour);

// "Löschen" of the bar window: removes the bar around the entered start (after a swap of
// reversed dates), if there is one.
void deleteBarEntry(CalendarBarList& list, DayNumber start, DayNumber end);

} // namespace tp
