#include "backup/BackupFiles.h"

#include "accounts/AccountFiles.h"
#include "backup/BackupArchive.h"
#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "notes/NoteNames.h"
#include "settings/SettingsFile.h"

#include <algorithm>

namespace tp {

namespace {

// Notes count only under the name the program writes for their code, so that a stray file
// with a similar name is neither saved nor restored.
bool isNoteFileName(std::string_view name) {
    if (name.ends_with(".txt"))
        if (const auto code = dayNoteCodeOfName(name))
            return name == dayNoteFileName(*code);
    if (name.ends_with(".tnt"))
        if (const auto entry = periodicEntryOfName(name); entry && entry->period > 0)
            return name == periodicNoteFileName(entry->anchor, entry->period);
    if (name.ends_with(".jnt"))
        if (const auto code = yearlyCodeOfName(name))
            return name == yearlyNoteFileName(*code);
    if (name.ends_with(".wmt"))
        if (const auto code = weekdayCodeOfName(name))
            return name == weekdayNoteFileName(*code);
    return false;
}

} // namespace

bool isSettingsFileName(std::string_view name) {
    return name == kSettingsFileName;
}

bool isBackupDataFileName(std::string_view name) {
    return isSettingsFileName(name) || name == kShiftMarkingFileName ||
           name == kCalendarBarFileName || name == kHoursAccountFileName ||
           name == kVacationAccountFileName || isNoteFileName(name);
}

std::vector<std::string> backupDataFileNames(const std::vector<std::string>& names) {
    std::vector<std::string> data;
    std::copy_if(names.begin(), names.end(), std::back_inserter(data),
                 [](const std::string& name) { return isBackupDataFileName(name); });
    std::sort(data.begin(), data.end());
    return data;
}

BackupCounts countsOf(const std::vector<BackupFile>& files) {
    BackupCounts counts;
    for (const BackupFile& file : files) {
        if (file.name == kShiftMarkingFileName)
            counts.shiftMarkings =
                static_cast<int>(shiftMarkingsFromFileBytes(file.bytes).entries().size());
        else if (file.name == kCalendarBarFileName)
            counts.calendarBars =
                static_cast<int>(calendarBarsFromFileBytes(file.bytes).bars().size());
        else if (isNoteFileName(file.name))
            ++counts.notes;
    }
    return counts;
}

} // namespace tp
