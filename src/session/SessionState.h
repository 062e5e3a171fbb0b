#pragma once

#include "accounts/AccountFiles.h"
#include "display/PageGeometry.h"
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

// The running values of one session: the user's settings, what the page shows and the
// logged-in user's data. The session owns them; the windows read them and change them only
// through its operations. The settings are held here only: the settings file is read into them
// and written from them.
struct SessionState : ProgramSettings {
    int pageBackground = kInitialPageBackground;
    LayoutUnits units{0, 0}; // measured from the page font
    ViewPosition view;
    // The crew order of the vacation blocks: the table of the year the settings were taken in,
    // rotated by their cycle; turned further in memory only.
    BlockVacationTables blockVacationTables = DefaultBlockVacationTables;

    // The user and the data.
    std::filesystem::path dataRoot; // "TPDaten" in the start folder; empty without folders
    // The folder of the user's data files: his own folder in the data root, or his folder in
    // the external "TPDaten" his settings name. Empty when the program runs without folders.
    std::filesystem::path dataFolder;
    // The password of the last login: the key of the note cipher, held only in memory.
    std::string notePassword;

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

// Makes `settings` the running ones; the crew order of the vacation block that serves
// `crewTableYear` is reset and rotated by their cycle. The data folder and the last user are
// not among them: the folder follows from the check of the user's data folder
// (setDataFolder), and the last user is named in the default user's file between runs only.
void useSettings(SessionState& state, ProgramSettings settings, int crewTableYear);

// The user's data folder from now on; "Anwenderverzeichnis" names the "TPDaten" that holds it.
void setDataFolder(SessionState& state, std::filesystem::path folder);

static_assert(pageWidthUnits(kDefaultLastColumnIndex) == 108);

} // namespace tp
