#include "FullUserFolder.h"

#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "notes/NoteNames.h"
#include "support/TestStore.h"

#include <fstream>
#include <vector>

namespace tp::bench {

void fillUserFolder(const std::filesystem::path& folder, DayNumber first) {
    std::filesystem::create_directories(folder);
    std::vector<ShiftMarking> markings;
    std::vector<CalendarBar> bars;
    for (int i = 0; i < 10000; ++i) {
        std::ofstream(folder / dayNoteFileName(dateCodeOf(first + i)), std::ios::binary)
            << "Notiz " << i;
        markings.push_back(
            {first + i, static_cast<std::int8_t>(1 + i % 4), static_cast<std::int8_t>(i % 6)});
    }
    for (int i = 0; i < 500; ++i)
        bars.push_back({first + i * 20, first + i * 20 + i % 14, 0x00C08040u});
    ShiftMarkingList markingList(markings);
    CalendarBarList barList(bars);
    test::TestStore store;
    saveShiftMarkings(store, folder, markingList);
    saveCalendarBars(store, folder, barList);
}

} // namespace tp::bench
