#include "backup/AutomaticBackups.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <tuple>

namespace tp {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "Turnoplaner-";
constexpr std::string_view kSuffix = ".zip";
constexpr std::size_t kDateLength = 10; // YYYY-MM-DD

bool isDateText(std::string_view text) {
    if (text.size() != kDateLength)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool dash = i == 4 || i == 7;
        if (dash ? text[i] != '-' : !std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
    }
    return true;
}

} // namespace

std::string dailyBackupName(const std::string& userName, const LocalDateTime& day) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.year, day.month, day.day);
    return std::string(kPrefix) + userName + "-" + date + std::string(kSuffix);
}

std::vector<std::string> automaticBackupsAmong(const std::vector<std::string>& names,
                                               const std::string& userName) {
    const std::string start = std::string(kPrefix) + userName + "-";
    std::vector<std::string> backups;
    for (const std::string& name : names)
        if (name.size() == start.size() + kDateLength + kSuffix.size() && name.starts_with(start) &&
            name.ends_with(kSuffix) &&
            isDateText(std::string_view(name).substr(start.size(), kDateLength)))
            backups.push_back(name);
    std::sort(backups.begin(), backups.end()); // the dates sort as their texts
    return backups;
}

AutomaticBackup writeAutomaticBackup(UserFileStore& store, const BackupPlace& place,
                                     const fs::path& folder, const BackupManifest& manifest,
                                     const LocalDateTime& now) {
    AutomaticBackup result;
    const std::string today = dailyBackupName(place.userName, now);
    const fs::path archive = folder / fs::path(std::u8string(today.begin(), today.end()));
    if (store.files().typeOf(archive, false) == EntryType::Missing) {
        const BackupWritten written = writeBackup(store, place, archive, manifest);
        static_cast<BackupOutcome&>(result) = written;
        if (!written.ok())
            return result;
        result.written = true;
    }
    const auto listed = store.list(folder);
    if (!listed)
        return result;
    const std::vector<std::string> backups = automaticBackupsAmong(*listed, place.userName);
    if (backups.size() <= kKeptAutomaticBackups)
        return result;
    for (std::size_t i = 0; i + kKeptAutomaticBackups < backups.size(); ++i) {
        const std::string& name = backups[i];
        if (store.remove(folder / fs::path(std::u8string(name.begin(), name.end()))).ok)
            result.removed.push_back(name);
    }
    return result;
}

std::vector<ListedBackup> listBackups(UserFileStore& store, const fs::path& folder) {
    std::vector<ListedBackup> backups;
    const auto listed = store.list(folder);
    if (!listed)
        return backups;
    for (const std::string& name : *listed) {
        if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix))
            continue;
        const fs::path archive = folder / fs::path(std::u8string(name.begin(), name.end()));
        if (store.files().typeOf(archive, false) != EntryType::File)
            continue; // never through a link
        ListedBackup backup{.name = name, .writtenAt = {}, .size = store.files().fileSize(archive)};
        if (const auto written = store.files().modificationTime(archive))
            backup.writtenAt = std::chrono::duration_cast<std::chrono::seconds>(
                                   std::chrono::file_clock::to_sys(*written).time_since_epoch())
                                   .count();
        backups.push_back(std::move(backup));
    }
    // Newest first; the name (which holds the date) where the times are equal or unknown.
    std::sort(backups.begin(), backups.end(), [](const ListedBackup& a, const ListedBackup& b) {
        return std::tie(a.writtenAt, a.name) > std::tie(b.writtenAt, b.name);
    });
    return backups;
}

} // namespace tp
