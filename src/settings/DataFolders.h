#pragma once

#include "platform/FileSystem.h"
#include "settings/ProgramSettings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tp {

inline constexpr const char* kDataRootName = "TPDaten";
inline constexpr const char* kDefaultUserName = "Programm";

struct DataFolders {
    std::filesystem::path dataRoot;   // "TPDaten" in the start folder
    std::filesystem::path userFolder; // one folder per user name inside the data root
    std::string moveNotice;           // see MoveSettling
};

// A move of a data folder builds the new contents in "<folder>.neu<n>" beside it, puts the
// folder aside as "<folder>.alt<n>" and renames the new contents into place; the last rename
// is the point of no return.
inline constexpr std::string_view kMoveCopySuffix = ".neu";
inline constexpr std::string_view kMoveFormerSuffix = ".alt";

// What the check for an interrupted move of a folder found and did.
struct MoveSettling {
    std::string notice;  // empty, or what was done (German), for an "Information" box
    bool settled = true; // false: a copy or the former contents could not be cleared away
};

// Finishes or rolls back a move of `folder` that was interrupted (a kill, a power cut): before
// the new contents were renamed into place the former contents come back and the copy goes;
// after it the former contents go.
MoveSettling settleInterruptedMove(FileSystem& files, const std::filesystem::path& folder);

// Where the logged-in user's files are: the settings always in data root + user name, the
// other data files in `dataFolder` (the same folder, or one in an external "TPDaten").
struct UserDataPlace {
    std::filesystem::path dataRoot;
    std::string userName; // UTF-8
    std::filesystem::path dataFolder;
};

// Creates (or reuses) the hidden data root in `startFolder` and the hidden folder of
// `userName` in it. Nothing when a folder cannot be created.
std::optional<DataFolders> prepareDataFolders(FileSystem& files,
                                              const std::filesystem::path& startFolder,
                                              const std::string& userName);

// The folder of `userName` (UTF-8) in the data root; it holds "Einstellungen.dat".
std::filesystem::path userFolderOf(const std::filesystem::path& dataRoot,
                                   const std::string& userName);

// Creates `folder` (and what leads to it) unless it is there, and hides it. False when it is
// no folder afterwards.
bool ensureHiddenFolder(FileSystem& files, const std::filesystem::path& folder);

// A stored folder with '/' or '\' separators, written with this system's separator and ended
// by one: "D:/Daten/TPDaten" becomes "D:\Daten\TPDaten\" on Windows.
std::string storedFolderText(std::string_view stored);

// The folder above a folder written with a trailing separator: "C:\A\B\" gives "C:\A\".
// Empty when there is none.
std::string parentFolder(std::string_view folder);

// What the data check at every load of a user's data decided.
struct ExternalFolderCheck {
    std::filesystem::path dataFolder; // the folder of the user's data files from now on
    // Empty, or the message that the configured external folder is gone; the data root is
    // then in use, and the settings are to be saved with it at once.
    std::string missingFolderMessage;
    std::string moveNotice; // see MoveSettling
};

// Follows "Anwenderverzeichnis" to the user's data folder (created, hidden, when only the
// user's own folder is missing there, after an interrupted move there was settled). When it names a
// folder that is gone (a network drive not connected), it is set back to the data root. The stored
// text is rewritten with this system's separators and a trailing one.
ExternalFolderCheck checkExternalDataFolder(FileSystem& files,
                                            const std::filesystem::path& dataRoot,
                                            const std::string& userName, ProgramSettings& settings);

} // namespace tp
