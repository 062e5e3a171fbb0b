#pragma once

#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// Entries as they were last read or written (the base of a later merge) and as the user left
// them.
template <typename Entry> struct EditedEntries {
    std::vector<Entry> asLoaded;
    std::vector<Entry> edited;
    friend bool operator==(const EditedEntries&, const EditedEntries&) = default;
};

// The bytes of a settings file as last read or written, and as the user left the settings.
struct EditedSettings {
    std::string asSaved;
    std::string edited;
    friend bool operator==(const EditedSettings&, const EditedSettings&) = default;
};

// What the end of a run could not save, kept on the local disk until a later start takes it
// over: the markings and bars of one data folder and the settings of one user, each only
// when it is among it. The settings are kept as the bytes of their file, so that the entries
// stay readable whatever the settings of a later version hold.
struct UnsavedEntries {
    std::filesystem::path dataFolder;
    std::optional<EditedEntries<ShiftMarking>> markings;
    std::optional<EditedEntries<CalendarBar>> bars;
    std::filesystem::path dataRoot; // the settings are those of `userName` in this data root
    std::string userName;
    std::optional<EditedSettings> settings;
    bool empty() const { return !markings && !bars && !settings; }
    friend bool operator==(const UnsavedEntries&, const UnsavedEntries&) = default;
};

// The markings the user changed (set, changed or removed days), and the bars (a changed bar
// counts once).
int changedMarkingCount(const EditedEntries<ShiftMarking>& markings);
int changedBarCount(const EditedEntries<CalendarBar>& bars);

// The file that keeps them, and back; nothing for a file that is damaged or of another kind.
std::string unsavedEntriesFileBytes(const UnsavedEntries& entries);
std::optional<UnsavedEntries> unsavedEntriesFromFileBytes(std::string_view bytes);

// The value of an environment variable; nothing when it is not set.
using EnvironmentVariable = std::function<std::optional<std::filesystem::path>(const char* name)>;
// The process's own environment.
EnvironmentVariable systemEnvironment();
// The folder on the local disk where the end keeps what it could not save: the user's state
// folder ($XDG_STATE_HOME/turnoplaner or ~/.local/state/turnoplaner; on Windows
// %LOCALAPPDATA%\Turnoplaner). Empty when the environment names none.
std::filesystem::path unsavedEntriesFolder(const EnvironmentVariable& environment);

// Writes `entries` into a new file in `folder` (made when missing), named after `now`; an
// earlier file is never replaced. The file, or why none could be written (German).
struct KeptEntriesFile {
    std::filesystem::path file;
    std::string failure;
};
KeptEntriesFile keepUnsavedEntries(FileSystem& files, const std::filesystem::path& folder,
                                   const UnsavedEntries& entries, const LocalDateTime& now);
// The files of kept entries in `folder`, oldest first.
std::vector<std::filesystem::path> keptEntriesFiles(FileSystem& files,
                                                    const std::filesystem::path& folder);

// The question of the next start: "Beim letzten Ende konnten 3 Schichtmarkierungen nicht
// gespeichert werden. Jetzt übernehmen?", naming the bars and the settings as well when they
// are among the entries.
std::string takeOverQuestion(const UnsavedEntries& entries);

// The line for the standard error output that tells an end whose save failed (`errors`),
// and where the unsaved entries were kept, if any.
std::string endFailureLine(const std::vector<std::string>& errors, const UnsavedEntries& entries,
                           const KeptEntriesFile& kept);

} // namespace tp
