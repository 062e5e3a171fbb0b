#pragma once

#include "accounts/AccountFiles.h"
#include "astro/AstronomySettings.h"
#include "display/PageGeometry.h"
#include "display/PageOptions.h"
#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "model/ShiftSystem.h"
#include "model/ViewPosition.h"
#include "notes/NoteFiles.h"
#include "settings/DataFolders.h"
#include "settings/ProgramSettings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tp {

inline constexpr int kInitialPageBackground = 0xD8E9EC; // Windows colour value 0x00BBGGRR

// The running values of one session: what the page shows and the logged-in user's data.
// The session owns them; the windows read them and change them only through its operations.
// The user's settings are handed over when they are read (takeOverSettings) and built anew
// when they are written (settingsOf); in between this is their only copy.
struct SessionState {
    int pageBackground = kInitialPageBackground;
    int lastColumnIndex = kDefaultLastColumnIndex; // the page shows columns 0..lastColumnIndex
    LayoutUnits units{0, 0};                       // measured from the page font
    ViewPosition view;

    // The shift calendar.
    CalendarType calendarType = CalendarType::WendringPm1;
    MonthDay earliestVacationStart{};
    int vacationCycle = 0; // rotations of the block's crew order the settings keep
    BlockVacationTables blockVacationTables = DefaultBlockVacationTables;

    // The page and the accounts.
    FontChoice font;
    PageSwitches switches;
    float targetHours38 = 1982.76f;
    float targetHours40 = 2088.0f;
    std::optional<int> hourlyWageCents; // the supplements window's base wage, if given

    // The place of the astronomy.
    AstronomySettings place;
    std::string placeName = "Wendring";

    // The user and the data.
    std::filesystem::path dataRoot; // "TPDaten" in the start folder; empty without folders
    std::string userName = kDefaultUserName;
    // The folder of the user's data files: his own folder in the data root, or his folder in
    // the external "TPDaten" his settings name. Empty when the program runs without folders.
    std::filesystem::path dataFolder;
    // The password of the last login: the key of the note cipher, held only in memory.
    std::string notePassword;
    // The check value of the user's note password from his settings; empty until made.
    std::string notePasswordCheck;

    // The user's markings and bars as edited, and as they were last read or written: the
    // base against which a file another installation changed meanwhile is merged.
    ShiftMarkingList shiftMarkings;
    CalendarBarList calendarBars;
    std::vector<ShiftMarking> shiftMarkingsAsLoaded;
    std::vector<CalendarBar> calendarBarsAsLoaded;
    // The two accounts as last read; both files are read anew for every page.
    HoursAccount hoursAccount;
    VacationAccount vacationAccount;
    // What the note folder holds.
    NoteIndexes noteIndexes;
};

// The page width in character-width units.
inline int pageWidthOf(const SessionState& state) {
    return pageWidthUnits(state.lastColumnIndex);
}

// The folder of the user's settings file.
std::filesystem::path userFolderOf(const SessionState& state);

// The shift system the running program computes with.
ShiftSystem shiftSystemOf(const SessionState& state);

// Takes the values read from the settings file into the running program; the crew order of
// the vacation block that serves `crewTableYear` is reset and rotated by the stored cycle.
// The data folder is not among them: it is set when the user's data folder is checked.
void takeOverSettings(SessionState& state, const ProgramSettings& settings, int crewTableYear);

// The settings file's values for the running program.
ProgramSettings settingsOf(const SessionState& state);

static_assert(pageWidthUnits(kDefaultLastColumnIndex) == 108);

} // namespace tp
