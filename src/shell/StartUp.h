#pragma once

#include "shell/AppState.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tp {

// The folder the program was started in; empty when it can no longer be named (it was
// removed while the program started), and the program then runs without data folders.
std::filesystem::path startFolderOfProgram();

// Creates the data root and the default user's folder in `startFolder` and reads that user's
// settings into `state`; the vacation block order is prepared for `currentYear`. Without
// folders (or without a start folder) the program runs on the default settings. Returns what
// the user must be told (German), such as settings that exist but could not be read.
std::vector<std::string> loadStartState(AppState& state, const std::filesystem::path& startFolder,
                                        int currentYear);

// Writes the settings, including what the running program changed, into the user's folder;
// a file that could not be read at the start is left as it is. Returns the failures the user
// has not yet been told of (German).
std::vector<std::string> saveEndState(AppState& state);

inline constexpr const char* kSettingsUnreadableMessage =
    "Die Einstellungen konnten nicht gelesen werden und werden nicht gespeichert.";

} // namespace tp
