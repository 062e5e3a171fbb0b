#pragma once

#include "settings/ProgramSettings.h"

#include <filesystem>
#include <string>

namespace tp {

inline constexpr const char* kSettingsFileName = "Einstellungen.dat";

// The settings kept in "Einstellungen.dat" in `userFolder`. A missing file, key or a value
// that cannot be used gives the default; `dataRootPath` (the data root, ended by a separator)
// stands in for an empty user data folder.
ProgramSettings loadSettings(const std::filesystem::path& userFolder,
                             const std::string& dataRootPath);

// Replaces "Einstellungen.dat" in `userFolder` with all values of `settings` and hides it.
// False when the file could not be written; the caller need not report that.
bool saveSettings(const std::filesystem::path& userFolder, const ProgramSettings& settings);

// What "Einstellungen.dat" holds for `settings` (Windows-1252, CR LF).
std::string settingsFileBytes(const ProgramSettings& settings);

// Reads the bytes of a settings file; also used for files that do not exist (empty).
ProgramSettings settingsFromFileBytes(std::string_view fileBytes, const std::string& dataRootPath);

// A folder as the settings keep it: UTF-8, ended by the separator of this system.
std::string folderPathText(const std::filesystem::path& folder);

} // namespace tp
