#pragma once

#include "platform/UserFileStore.h"
#include "settings/ProgramSettings.h"

#include <filesystem>
#include <string>

namespace tp {

inline constexpr const char* kSettingsFileName = "Einstellungen.dat";

// What "Einstellungen.dat" gave: the settings, and whether the file was read.
struct LoadedSettings {
    ProgramSettings settings;
    ReadResult read = ReadResult::Missing;
};

// The settings kept in "Einstellungen.dat" in `userFolder`. A missing file, key or a value
// that cannot be used gives the default; `dataRootPath` (the data root, ended by a separator)
// stands in for an empty user data folder. A file that exists but cannot be read (or is far
// too large to be a settings file) gives the defaults too and is reported as Unreadable: it
// must then not be replaced. Nothing is thrown.
LoadedSettings loadSettings(UserFileStore& store, const std::filesystem::path& userFolder,
                            const std::string& dataRootPath);

// Replaces "Einstellungen.dat" in `userFolder` with all values of `settings` and hides it.
// When it could not be written, or could not be read before, the old file stays and the
// result says why.
SaveResult saveSettings(UserFileStore& store, const std::filesystem::path& userFolder,
                        const ProgramSettings& settings);

// The settings a three-way merge gives: every value the user changed from `asSaved` to
// `edited` over `onDisk`, every other value as `onDisk` has it.
ProgramSettings mergedSettings(const ProgramSettings& asSaved, const ProgramSettings& edited,
                               ProgramSettings onDisk);

// What "Einstellungen.dat" holds for `settings` (Windows-1252, CR LF).
std::string settingsFileBytes(const ProgramSettings& settings);

// Reads the bytes of a settings file; also used for files that do not exist (empty).
ProgramSettings settingsFromFileBytes(std::string_view fileBytes, const std::string& dataRootPath);

// A folder as the settings keep it: UTF-8, ended by the separator of this system.
std::string folderPathText(const std::filesystem::path& folder);

} // namespace tp
