#include "backup/Backup.h"

#include "platform/PathText.h"
#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace tp {

namespace fs = std::filesystem;

namespace {

fs::path fileOf(const BackupPlace& place, std::string_view name) {
    return (isSettingsFileName(name) ? place.settingsFolder : place.dataFolder) / pathOfText(name);
}

// The data files there are in `place`, settings first; nothing when the data folder is there
// but cannot be listed.
std::optional<std::vector<std::string>> dataFilesIn(UserFileStore& store,
                                                    const BackupPlace& place) {
    std::vector<std::string> names;
    FileSystem& files = store.files();
    if (files.typeOf(place.settingsFolder / kSettingsFileName, false) != EntryType::Missing)
        names.push_back(kSettingsFileName);
    if (files.typeOf(place.dataFolder, true) == EntryType::Missing)
        return names;
    const auto listed = store.list(place.dataFolder);
    if (!listed)
        return std::nullopt;
    for (std::string& name : backupDataFileNames(*listed))
        if (!isSettingsFileName(name))
            names.push_back(std::move(name));
    return names;
}

std::string joinedNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

std::string backupTimeText(const LocalDateTime& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return text;
}

fs::path backupArchivePath(const fs::path& folder, const std::string& userName,
                           const std::string& what, const LocalDateTime& time) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d-%02d%02d%02d", time.year, time.month,
                  time.day, time.hour, time.minute, time.second);
    return folder / pathOfText("Turnoplaner-" + userName + "-" + what + "-" + stamp + ".zip");
}

BackupWritten writeBackup(UserFileStore& store, const BackupPlace& place, const fs::path& archive,
                          const BackupManifest& manifest) {
    BackupWritten result;
    const auto names = dataFilesIn(store, place);
    if (!names) {
        result.failure = BackupFailure::ReadWrite;
        result.problem = "Der Datenordner " + quotedName(pathText(place.dataFolder)) +
                         " kann nicht gelesen werden; die Sicherung wurde nicht geschrieben.";
        return result;
    }
    // A file the store found unreadable before is named at once, before anything is read.
    for (const std::string& name : *names)
        if (store.isUnreadable(fileOf(place, name))) {
            result.failure = BackupFailure::ReadWrite;
            result.problem = "Die Datei " + quotedName(name) +
                             " konnte nicht gelesen werden; die Sicherung wurde nicht geschrieben.";
            return result;
        }
    std::vector<BackupFile> files;
    files.reserve(names->size());
    std::uint64_t total = 0;
    for (const std::string& name : *names) {
        DataFileBytes read = store.read(fileOf(place, name), kLargestUnpackedSize);
        if (read.status == DataFileStatus::Missing)
            continue; // deleted meanwhile
        if (read.status == DataFileStatus::Unreadable) {
            result.failure = BackupFailure::ReadWrite;
            result.problem = "Die Datei " + quotedName(name) + " konnte nicht gelesen werden (" +
                             read.reason + "); die Sicherung wurde nicht geschrieben.";
            return result;
        }
        total += read.bytes.size();
        if (total > kLargestUnpackedSize) {
            result.failure = BackupFailure::Refused;
            result.problem = "Die Daten sind größer als 1 GiB; die Sicherung wurde nicht "
                             "geschrieben.";
            return result;
        }
        files.push_back({name, std::move(read.bytes)});
    }
    std::string problem;
    const auto packed = packBackup(manifest, files, problem);
    if (!packed) {
        result.failure = BackupFailure::ReadWrite;
        result.problem = problem;
        return result;
    }
    store.files().makeFolder(archive.parent_path());
    if (const SaveResult saved = store.save(archive, *packed, false); !saved.ok) {
        result.failure = BackupFailure::ReadWrite;
        result.problem = saved.reason;
        return result;
    }
    result.files = static_cast<int>(files.size());
    return result;
}

BackupPreview previewBackup(UserFileStore& store, const fs::path& archive) {
    BackupPreview preview;
    // A little more than the largest unpacked size: a packed archive is never much larger.
    const DataFileBytes read = store.read(archive, kLargestUnpackedSize + (1u << 20));
    if (read.status != DataFileStatus::Read) {
        preview.failure = BackupFailure::ReadWrite;
        preview.problem = "Die Sicherung " + quotedName(pathText(archive.filename())) +
                          " kann nicht gelesen werden" +
                          (read.status == DataFileStatus::Missing ? ": es gibt sie nicht."
                                                                  : " (" + read.reason + ").");
        return preview;
    }
    preview.backup = unpackBackup(read.bytes);
    if (!preview.backup.ok()) {
        preview.failure = BackupFailure::Refused;
        preview.problem = "Die Sicherung " + quotedName(pathText(archive.filename())) +
                          " wird nicht wiederhergestellt. " + preview.backup.refusal;
        return preview;
    }
    preview.counts = countsOf(preview.backup.files);
    return preview;
}

RestoreDone restoreBackup(UserFileStore& store, const fs::path& archive, const BackupPlace& target,
                          const fs::path& undoFolder, const BackupManifest& undoManifest,
                          const LocalDateTime& now, bool dryRun) {
    RestoreDone result;
    BackupPreview preview = previewBackup(store, archive);
    static_cast<BackupOutcome&>(result) = preview;
    result.counts = preview.counts;
    result.manifest = preview.backup.manifest;
    if (!result.ok())
        return result;
    const std::vector<BackupFile>& restored = preview.backup.files;

    FileSystem& files = store.files();
    if (!dryRun) {
        // A new user's folders are made here.
        files.makeFolder(target.settingsFolder);
        files.makeFolder(target.dataFolder);
        if (files.typeOf(target.dataFolder, true) != EntryType::Folder ||
            files.typeOf(target.settingsFolder, true) != EntryType::Folder) {
            result.failure = BackupFailure::ReadWrite;
            result.problem = "Der Datenordner " + quotedName(pathText(target.dataFolder)) +
                             " kann nicht angelegt werden; nichts wurde wiederhergestellt.";
            return result;
        }
    }
    UserFileStore::FolderLock lock;
    if (!dryRun) {
        lock = store.lockFolder(target.dataFolder);
        if (!lock) {
            result.failure = BackupFailure::ReadWrite;
            result.problem = lock.reason + " Nichts wurde wiederhergestellt.";
            return result;
        }
    }
    const auto existing = dataFilesIn(store, target);
    if (!existing) {
        result.failure = BackupFailure::ReadWrite;
        result.problem = "Der Datenordner " + quotedName(pathText(target.dataFolder)) +
                         " kann nicht gelesen werden; nichts wurde wiederhergestellt.";
        return result;
    }
    std::set<std::string> inArchive;
    for (const BackupFile& file : restored)
        inArchive.insert(file.name);
    for (const std::string& name : *existing)
        if (!inArchive.contains(name))
            result.removedFiles.push_back(name);

    if (!existing->empty()) {
        result.undoArchive =
            backupArchivePath(undoFolder, target.userName, "vor-Wiederherstellung", now);
        for (int n = 2; files.typeOf(result.undoArchive, false) != EntryType::Missing; ++n)
            result.undoArchive = backupArchivePath(
                undoFolder, target.userName, "vor-Wiederherstellung-" + std::to_string(n), now);
        if (!dryRun) {
            const BackupWritten undo = writeBackup(store, target, result.undoArchive, undoManifest);
            if (!undo.ok()) {
                result.failure = undo.failure;
                result.problem = "Die jetzigen Daten konnten nicht gesichert werden, darum wurde "
                                 "nichts wiederhergestellt. " +
                                 undo.problem;
                return result;
            }
        }
    }
    if (dryRun) {
        result.restoredFiles = static_cast<int>(restored.size());
        return result;
    }

    std::vector<FileReplacement> replacements;
    replacements.reserve(restored.size());
    for (const BackupFile& file : restored)
        replacements.push_back({fileOf(target, file.name), file.bytes});
    std::size_t saved = 0;
    const SaveResult written = store.saveAll(replacements, saved);
    result.restoredFiles = static_cast<int>(saved);
    if (!written.ok) {
        for (std::size_t rest = saved; rest < restored.size(); ++rest)
            result.notRestored.push_back(restored[rest].name);
        result.notRestored.insert(result.notRestored.end(), result.removedFiles.begin(),
                                  result.removedFiles.end());
        result.removedFiles.clear();
        result.failure = BackupFailure::ReadWrite;
        result.problem =
            "Die Wiederherstellung brach ab: " + written.reason +
            " Nicht wiederhergestellt (im alten Stand): " + joinedNames(result.notRestored) + ".";
        return result;
    }
    for (const BackupFile& file : restored)
        if (isSettingsFileName(file.name))
            files.hide(fileOf(target, file.name));
    std::vector<std::string> removed;
    for (const std::string& name : result.removedFiles) {
        if (store.remove(fileOf(target, name)).ok)
            removed.push_back(name);
        else
            result.notRestored.push_back(name);
    }
    result.removedFiles = std::move(removed);
    if (!result.notRestored.empty()) {
        result.failure = BackupFailure::ReadWrite;
        result.problem = "Diese Dateien, die die Sicherung nicht enthält, konnten nicht entfernt "
                         "werden: " +
                         joinedNames(result.notRestored) + ".";
    }
    return result;
}

} // namespace tp
