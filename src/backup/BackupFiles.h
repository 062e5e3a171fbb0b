#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tp {

// Whether `name` is one of the files a backup holds: the settings, a note of any kind (under
// the name the program gives it), the markings, the bars or an account. The lock, temporary
// files of interrupted saves and anything else are not.
bool isBackupDataFileName(std::string_view name);

// A name in quotes, as the messages give it.
inline std::string quotedName(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

// Whether `name` is the settings file, which lives in the user's own folder.
bool isSettingsFileName(std::string_view name);

// The data files among `names`, sorted.
std::vector<std::string> backupDataFileNames(const std::vector<std::string>& names);

// What a backup holds, as the restore shows it before asking.
struct BackupCounts {
    int notes = 0;
    int shiftMarkings = 0;
    int calendarBars = 0;
};
struct BackupFile;
BackupCounts countsOf(const std::vector<BackupFile>& files);

} // namespace tp
