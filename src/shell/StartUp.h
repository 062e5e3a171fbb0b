#pragma once

#include "shell/AppState.h"

#include <filesystem>

namespace tp {

// The folder the program was started in; empty when it can no longer be named (it was
// removed while the program started), and the program then runs without data folders.
std::filesystem::path startFolderOfProgram();

// Creates the data root and the default user's folder in `startFolder` and reads that user's
// settings into `state`; the vacation block order is prepared for `currentYear`. Without
// folders (or without a start folder) the program runs on the default settings.
void loadStartState(AppState& state, const std::filesystem::path& startFolder, int currentYear);

// Writes the settings, including what the running program changed, into the user's folder.
void saveEndState(const AppState& state);

} // namespace tp
