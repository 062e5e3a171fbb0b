#include "platform/UserFileStore.h"
#include "platform/PathText.h"

#include <algorithm>
#include <cctype>

namespace tp {

namespace fs = std::filesystem;

namespace {

std::string quotedName(const fs::path& file) {
    const std::u8string name = file.filename().u8string();
    return "\"" + std::string(name.begin(), name.end()) + "\"";
}

// What is wrong with the lock file: what lies under its name, rather than the error number
// the system gives for it.
std::string lockFailureText(FileSystem& files, const fs::path& lockFile, int errorNumber) {
    switch (files.typeOf(lockFile, false)) {
    case EntryType::Link:
        return "Die Sperrdatei \"" + pathText(lockFile) + "\" ist eine Verknüpfung.";
    case EntryType::Folder:
    case EntryType::Other:
        return "Die Sperrdatei \"" + pathText(lockFile) + "\" ist keine gewöhnliche Datei.";
    case EntryType::File:
    case EntryType::Missing:
        break;
    }
    return systemErrorText(errorNumber);
}

} // namespace

DataFileBytes UserFileStore::read(const fs::path& file, std::uintmax_t largestSize) {
    DataFileBytes result = files_.read(file, largestSize);
    if (result.status == DataFileStatus::Unreadable) {
        unreadable_.insert(file);
    } else {
        unreadable_.erase(file);
    }
    if (result.status != DataFileStatus::Read)
        result.bytes.clear();
    return result;
}

bool UserFileStore::isUnreadable(const fs::path& file) const {
    return unreadable_.contains(file);
}

void UserFileStore::noteSkippedRecords(const fs::path& file, std::string bytes,
                                       int skippedRecords) {
    if (skippedRecords > 0)
        damaged_[file] = {std::move(bytes), skippedRecords};
    else
        damaged_.erase(file);
}

int UserFileStore::skippedRecords(const fs::path& file) const {
    const auto damage = damaged_.find(file);
    return damage == damaged_.end() ? 0 : damage->second.skippedRecords;
}

SaveResult UserFileStore::keepDamagedCopy(const fs::path& file) {
    const auto damage = damaged_.find(file);
    if (damage == damaged_.end() || damage->second.copyKept)
        return {};
    const fs::path copy = damagedCopyOf(file);
    if (const WriteResult written = files_.replace(copy, damage->second.bytes); !written)
        return {false, "Die beschädigte Datei " + quotedName(file) + " konnte nicht als " +
                           quotedName(copy) +
                           " aufbewahrt werden und wird nicht überschrieben: " + written.reason};
    damage->second.copyKept = true;
    damage->second.bytes = {};
    return {};
}

SaveResult UserFileStore::save(const fs::path& file, std::string_view bytes, bool hidden) {
    if (files_.typeOf(file, false) == EntryType::Link)
        return keptLinkedFile(file);
    if (isUnreadable(file))
        return refusedUnreadableFile(file);
    if (bytes.empty())
        return remove(file);
    if (SaveResult kept = keepDamagedCopy(file); !kept.ok)
        return kept;
    if (const WriteResult written = files_.replace(file, bytes); !written)
        return {false, "Die Datei " + quotedName(file) +
                           " konnte nicht geschrieben werden: " + written.reason};
    if (hidden)
        files_.hide(file);
    return {};
}

SaveResult UserFileStore::saveAll(std::span<const FileReplacement> files, std::size_t& saved) {
    saved = 0;
    for (const FileReplacement& file : files) {
        if (files_.typeOf(file.path, false) == EntryType::Link)
            return keptLinkedFile(file.path);
        if (isUnreadable(file.path))
            return refusedUnreadableFile(file.path);
    }
    const ManyFilesWritten written = files_.replaceAll(files);
    saved = written.replaced;
    if (!written.written)
        return {false, "Die Datei " + quotedName(files[written.failedFile].path) +
                           " konnte nicht geschrieben werden: " + written.written.reason};
    return {};
}

SaveResult UserFileStore::remove(const fs::path& file) {
    if (files_.typeOf(file, false) == EntryType::Link)
        return keptLinkedFile(file);
    if (isUnreadable(file))
        return refusedUnreadableFile(file);
    if (SaveResult kept = keepDamagedCopy(file); !kept.ok)
        return kept;
    if (const WriteResult removed = files_.remove(file); !removed)
        return {false, "Die Datei " + quotedName(file) +
                           " konnte nicht gelöscht werden: " + removed.reason};
    return {};
}

std::optional<std::vector<std::string>> UserFileStore::list(const fs::path& folder) {
    return files_.list(folder);
}

UserFileStore::FolderLock UserFileStore::lockFolder(const fs::path& folder) {
    FolderLock result;
    std::weak_ptr<FileLock>& held = heldLocks_[folder];
    result.lock = held.lock();
    if (result.lock)
        return result;
    int errorNumber = 0;
    if (std::optional<FileLock> lock =
            files_.lock(folder / kFolderLockFileName, kFolderLockPatience, errorNumber)) {
        result.lock = std::make_shared<FileLock>(std::move(*lock));
        held = result.lock;
        return result;
    }
    result.reason =
        errorNumber == 0
            ? "Der gemeinsame Datenordner wird gerade von einem anderen Rechner gespeichert."
            : "Der Datenordner kann nicht gesperrt werden: " +
                  lockFailureText(files_, folder / kFolderLockFileName, errorNumber);
    return result;
}

int UserFileStore::removeStaleTemporaries(const fs::path& folder,
                                          const std::vector<std::string>& names) {
    int removed = 0;
    const auto now = fs::file_time_type::clock::now();
    for (const std::string& name : names) {
        if (!isTemporaryFileName(name))
            continue;
        const fs::path file = folder / fs::path(std::u8string(name.begin(), name.end()));
        if (files_.typeOf(file, false) != EntryType::File)
            continue;
        const auto written = files_.modificationTime(file);
        if (!written || now - *written < std::chrono::hours(1))
            continue;
        if (files_.remove(file))
            ++removed;
    }
    return removed;
}

SaveResult refusedUnreadableFile(const fs::path& file) {
    return {false, "Die Datei " + quotedName(file) +
                       " konnte nicht gelesen werden und wird nicht überschrieben."};
}

SaveResult keptLinkedFile(const fs::path& file) {
    return {false,
            "Die Datei " + quotedName(file) + " ist eine Verknüpfung und wird nicht verändert."};
}

fs::path damagedCopyOf(const fs::path& file) {
    return file.parent_path() / (file.filename().u8string() + u8".beschädigt");
}

bool isTemporaryFileName(std::string_view name) {
    constexpr std::string_view kSuffix = ".neu";
    if (!name.ends_with(kSuffix))
        return false;
    name.remove_suffix(kSuffix.size());
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    const std::string_view digits = name.substr(dot + 1);
    return digits.size() >= 16 && digits.size() <= 32 &&
           std::all_of(digits.begin(), digits.end(),
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace tp
