#pragma once

#include "settings/DataFolders.h"
#include "settings/ProgramSettings.h"

#include <filesystem>
#include <functional>

namespace tp {

inline constexpr const char* kDataFolderNotOpenedMessage =
    "Das neue Verzeichnis konnte nicht eröffnet werden!";
inline constexpr const char* kOverwriteDataFolderQuestion =
    "Das Verzeichnis existiert bereits! Sollen bereits vorhandene Dateien gelöscht und "
    "überschrieben werden?";

struct DataFolderMove {
    bool moved = false;               // false: the old folder stays in use, nothing there changed
    std::filesystem::path dataFolder; // the user's data folder from now on
};

// Moves the data of `place` into "TPDaten" + user name inside `chosenFolder`, creating both
// (hidden) where missing. When the user's folder is already there, `confirmOverwrite` decides
// whether its note files give way to a copy of the present data (true) or its files are used
// as they are (false: this is how a second computer joins a shared folder).
// `saveChangedMarkingsAndBars` runs before anything is copied.
//
// The copy is made into a temporary folder beside the target and swapped in only when it is
// complete, so a failure leaves the target as it was; what a kill leaves there is settled by
// the next start or move (settleInterruptedMove). The user's folder is not made empty
// beforehand: a half-done move must never look like a folder without data. A target that is the
// folder in use, or lies inside it or around it, is refused before anything is touched.
//
// On success "Anwenderverzeichnis" names the new "TPDaten"; the caller reloads notes,
// markings, bars and accounts from the new folder and redraws. On failure the caller shows
// kDataFolderNotOpenedMessage.
DataFolderMove moveDataFolder(FileSystem& files, const UserDataPlace& place,
                              const std::filesystem::path& chosenFolder, ProgramSettings& settings,
                              const std::function<bool()>& confirmOverwrite,
                              const std::function<void()>& saveChangedMarkingsAndBars);

} // namespace tp
