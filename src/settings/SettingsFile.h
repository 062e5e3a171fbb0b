#pragma once

#include "model/ShiftSystem.h"
#include "platform/AtomicFile.h"
#include "settings/ProgramSettings.h"

#include <filesystem>
#include <string>

namespace tp {

inline constexpr const char* kSettingsFileName = "Einstellungen.dat";

// Fills `settings` from "Einstellungen.dat" in `userFolder`. A missing file, key or a value
// that cannot be used gives the default; `settings.dataRootPath` is kept and stands in for
// an empty user data folder. The calendar type, the earliest vacation start and the crew
// order of the vacation block of `calendarYear` are handed on to `system`. A file that exists
// but cannot be read (or is far too large to be a settings file) gives the defaults too and
// is reported as Unreadable: it must then not be replaced. Nothing is thrown.
ReadResult loadSettings(const std::filesystem::path& userFolder, ProgramSettings& settings,
                        ShiftSystem& system, int calendarYear);

// Hands the calendar type, the earliest vacation start and the vacation cycle of `settings` on
// to `system`: the crew order of the vacation block of `calendarYear` is reset and rotated.
void applySettingsToShiftSystem(const ProgramSettings& settings, ShiftSystem& system,
                                int calendarYear);

// Replaces "Einstellungen.dat" in `userFolder` with all values of `settings` and hides it.
// When it could not be written, the old file stays and the result says why.
WriteResult saveSettings(const std::filesystem::path& userFolder, const ProgramSettings& settings);

// What "Einstellungen.dat" holds for `settings` (Windows-1252, CR LF).
std::string settingsFileBytes(const ProgramSettings& settings);

// Reads the bytes of a settings file; also used for files that do not exist (empty).
ProgramSettings settingsFromFileBytes(std::string_view fileBytes, const std::string& dataRootPath);

// A folder as the settings keep it: UTF-8, ended by the separator of this system.
std::string folderPathText(const std::filesystem::path& folder);

} // namespace tp
