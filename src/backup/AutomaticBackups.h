#pragma once

#include "backup/Backup.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tp {

// The folder of the automatic backups in the data root, unless the settings name another.
inline constexpr const char* kAutomaticBackupFolderName = "Sicherungen";
// How many automatic backups of a user are kept.
inline constexpr std::size_t kKeptAutomaticBackups = 14;

// "Turnoplaner-<user>-<YYYY-MM-DD>.zip": the automatic backup of `day`, and the name the
// window offers for a backup made by hand.
std::string dailyBackupName(const std::string& userName, const LocalDateTime& day);

// The automatic backups of `userName` among `names`, oldest first.
std::vector<std::string> automaticBackupsAmong(const std::vector<std::string>& names,
                                               const std::string& userName);

struct AutomaticBackup : BackupOutcome {
    bool written = false; // false also when today's backup was there already
    std::vector<std::string> removed;
};

// Writes today's backup of `place` into `folder` unless there is one, then removes the
// oldest automatic backups of the user beyond the newest 14.
AutomaticBackup writeAutomaticBackup(UserFileStore& store, const BackupPlace& place,
                                     const std::filesystem::path& folder,
                                     const BackupManifest& manifest, const LocalDateTime& now);

// A backup in a folder, as the window "Sicherung" lists it.
struct ListedBackup {
    std::string name;                      // UTF-8
    std::optional<std::int64_t> writtenAt; // seconds since 1970 (UTC)
    std::optional<std::uintmax_t> size;    // bytes
};

// The program's backups ("Turnoplaner-….zip") in `folder`, newest first; none when the folder
// cannot be listed.
std::vector<ListedBackup> listBackups(UserFileStore& store, const std::filesystem::path& folder);

} // namespace tp
