#pragma once

#include "backup/BackupArchive.h"
#include "backup/BackupFiles.h"
#include "platform/Clock.h"
#include "platform/UserFileStore.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tp {

// Where one user's files are: the settings in his own folder, the other data files in his
// data folder (often the same folder).
struct BackupPlace {
    std::filesystem::path settingsFolder;
    std::filesystem::path dataFolder;
    std::string userName; // UTF-8
};

// What a backup or a restore tells; `problem` (German) is set when it failed.
enum class BackupFailure {
    None,
    Refused,  // the archive is damaged or foreign, or the target cannot take it
    ReadWrite // a file could not be read or written
};
struct BackupOutcome {
    BackupFailure failure = BackupFailure::None;
    std::string problem;
    bool ok() const { return failure == BackupFailure::None; }
};

struct BackupWritten : BackupOutcome {
    int files = 0;
};

// Writes the backup of the user's data files in `place` into `archive`, complete or not at all,
// never through a link. A data file that cannot be read makes it fail with its name.
BackupWritten writeBackup(UserFileStore& store, const BackupPlace& place,
                          const std::filesystem::path& archive, const BackupManifest& manifest);

// The archive read and checked, for the question before a restore.
struct BackupPreview : BackupOutcome {
    UnpackedBackup backup;
    BackupCounts counts;
};
BackupPreview previewBackup(UserFileStore& store, const std::filesystem::path& archive);

struct RestoreDone : BackupOutcome {
    BackupManifest manifest; // of the archive
    BackupCounts counts;
    int restoredFiles = 0;
    std::vector<std::string> removedFiles;
    // The backup of the data that were there before, empty when there were none.
    std::filesystem::path undoArchive;
    // The files that kept their old state after a failure in the middle.
    std::vector<std::string> notRestored;
};

// The name of the backup written before a restore or a deletion, in `folder`:
// "Turnoplaner-<user>-<what>-<YYYY-MM-DD-HHMMSS>.zip".
std::filesystem::path backupArchivePath(const std::filesystem::path& folder,
                                        const std::string& userName, const std::string& what,
                                        const LocalDateTime& time);

// "YYYY-MM-DD HH:MM:SS".
std::string backupTimeText(const LocalDateTime& time);

// Replaces the data files in `target` with those of `archive`, after the whole archive was
// checked. Existing data are first backed up into `undoFolder`. Every file is replaced
// atomically under the data folder's lock; files the archive does not hold go only after all
// its files are in place. With `dryRun` nothing is written; the result says what would be.
RestoreDone restoreBackup(UserFileStore& store, const std::filesystem::path& archive,
                          const BackupPlace& target, const std::filesystem::path& undoFolder,
                          const BackupManifest& undoManifest, const LocalDateTime& now,
                          bool dryRun);

} // namespace tp
