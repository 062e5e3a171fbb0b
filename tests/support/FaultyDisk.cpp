#include "FaultyDisk.h"

namespace tp::test {

namespace fs = std::filesystem;

bool FaultyDisk::fails(DiskOperation operation) {
    const int call = ++calls_[static_cast<std::size_t>(operation)];
    if (dead_)
        return true;
    const bool failing = operation == fault_.operation &&
                         (call == fault_.nthCall || (fault_.andLater && call > fault_.nthCall));
    dead_ = failing && fault_.killed;
    return failing;
}

WriteResult FaultyDisk::failure() const {
    return {false, fault_.reason.empty() ? systemErrorText(fault_.errorNumber) : fault_.reason,
            fault_.errorNumber};
}

DataFileBytes FaultyDisk::read(const fs::path& file, std::uintmax_t largestSize) {
    if (fails(DiskOperation::Read))
        return {DataFileStatus::Unreadable, {}, failure().reason};
    return real_.read(file, largestSize);
}

WriteResult FaultyDisk::replace(const fs::path& file, std::string_view bytes) {
    return fails(DiskOperation::Replace) ? failure() : real_.replace(file, bytes);
}

WriteResult FaultyDisk::remove(const fs::path& file) {
    return fails(DiskOperation::Remove) ? failure() : real_.remove(file);
}

std::optional<std::vector<std::string>> FaultyDisk::list(const fs::path& folder) {
    if (fails(DiskOperation::List))
        return std::nullopt;
    return real_.list(folder);
}

int FaultyDisk::writeBlocker(const fs::path& folder) {
    return fails(DiskOperation::WriteBlocker) ? fault_.errorNumber : real_.writeBlocker(folder);
}

EntryType FaultyDisk::typeOf(const fs::path& path, bool followLinks) {
    return fails(DiskOperation::TypeOf) ? EntryType::Missing : real_.typeOf(path, followLinks);
}

std::optional<fs::file_time_type> FaultyDisk::modificationTime(const fs::path& file) {
    if (fails(DiskOperation::ModificationTime))
        return std::nullopt;
    return real_.modificationTime(file);
}

std::optional<std::uintmax_t> FaultyDisk::fileSize(const fs::path& file) {
    if (fails(DiskOperation::FileSize))
        return std::nullopt;
    return real_.fileSize(file);
}

bool FaultyDisk::makeFolder(const fs::path& folder) {
    return !fails(DiskOperation::MakeFolder) && real_.makeFolder(folder);
}

bool FaultyDisk::copyFolder(const fs::path& from, const fs::path& to,
                            const std::function<bool(const fs::path&)>& take) {
    return !fails(DiskOperation::CopyFolder) && real_.copyFolder(from, to, take);
}

bool FaultyDisk::rename(const fs::path& from, const fs::path& to) {
    return !fails(DiskOperation::Rename) && real_.rename(from, to);
}

bool FaultyDisk::removeFolder(const fs::path& folder) {
    return !fails(DiskOperation::RemoveFolder) && real_.removeFolder(folder);
}

bool FaultyDisk::hide(const fs::path& path) {
    return !fails(DiskOperation::Hide) && real_.hide(path);
}

std::optional<FileLock> FaultyDisk::lock(const fs::path& lockFile,
                                         std::chrono::milliseconds patience, int& errorNumber) {
    if (fails(DiskOperation::Lock)) {
        errorNumber = fault_.errorNumber;
        return std::nullopt;
    }
    return real_.lock(lockFile, patience, errorNumber);
}

} // namespace tp::test
