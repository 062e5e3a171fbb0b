#include "platform/FileSystem.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif
#include <system_error>

namespace tp {

namespace fs = std::filesystem;

namespace {

// Why a file that exists could not be read, as far as can be told afterwards.
std::string unreadableReason(const fs::path& file, std::uintmax_t largestSize) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (error)
        return systemErrorText(error.value());
    if (fs::is_directory(status))
        return systemErrorText(EISDIR);
    if (!fs::is_regular_file(status))
        return "Unter dem Namen liegt keine gewöhnliche Datei";
    if (fs::file_size(file, error) > largestSize && !error)
        return "Die Datei ist zu groß";
#ifndef _WIN32
    if (::access(file.c_str(), R_OK) != 0)
        return systemErrorText(errno);
#endif
    return systemErrorText(EIO);
}

} // namespace

DataFileBytes SystemFileSystem::read(const fs::path& file, std::uintmax_t largestSize) {
    DataFileBytes result;
    // A file written in place of a link would leave its target stale without a word.
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(file, error))) {
        result.status = DataFileStatus::Unreadable;
        result.reason = kLinkedFileReason;
        return result;
    }
    result.status = readFile(file, result.bytes, largestSize);
    if (result.status == DataFileStatus::Unreadable)
        result.reason = unreadableReason(file, largestSize);
    return result;
}

WriteResult SystemFileSystem::replace(const fs::path& file, std::string_view bytes) {
    return writeFileAtomically(file, bytes);
}

ManyFilesWritten FileSystem::replaceAll(std::span<const FileReplacement> files) {
    return replaceOneAfterAnother(
        files, [this](const FileReplacement& file) { return replace(file.path, file.bytes); });
}

ManyFilesWritten SystemFileSystem::replaceAll(std::span<const FileReplacement> files) {
    return writeFilesAtomically(files);
}

WriteResult SystemFileSystem::remove(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    // Nothing to do for a name that is not there, even in a folder that cannot be written.
    if (status.type() == fs::file_type::not_found)
        return {true, {}};
    if (fs::is_directory(status))
        return {false, systemErrorText(EISDIR), EISDIR};
    if (!fs::remove(file, error) && error && error != std::errc::no_such_file_or_directory)
        return {false, systemErrorText(error.value()), error.value()};
    return {true, {}};
}

#ifndef _WIN32

// A folder of ten thousand notes is listed at every start: without a path object for each
// entry it takes a fraction of the time.
std::optional<std::vector<std::string>> SystemFileSystem::list(const fs::path& folder) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return std::nullopt;
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    const bool complete = errno == 0;
    ::closedir(listing);
    if (!complete)
        return std::nullopt;
    return names;
}

#else

std::optional<std::vector<std::string>> SystemFileSystem::list(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error)
        return std::nullopt;
    for (fs::directory_iterator end; it != end; it.increment(error)) {
        if (error)
            return std::nullopt;
        const std::u8string name = it->path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    if (error)
        return std::nullopt;
    return names;
}

#endif

int SystemFileSystem::writeBlocker([[maybe_unused]] const fs::path& folder) {
#ifndef _WIN32
    if (::access(folder.c_str(), W_OK | X_OK) != 0 && errno != ENOENT)
        return errno;
#endif
    return 0;
}

EntryType SystemFileSystem::typeOf(const fs::path& path, bool followLinks) {
    std::error_code error;
    const fs::file_type type =
        (followLinks ? fs::status(path, error) : fs::symlink_status(path, error)).type();
    return type == fs::file_type::none || type == fs::file_type::not_found ? EntryType::Missing
           : type == fs::file_type::regular                                ? EntryType::File
           : type == fs::file_type::directory                              ? EntryType::Folder
           : type == fs::file_type::symlink                                ? EntryType::Link
                                                                           : EntryType::Other;
}

std::optional<fs::file_time_type> SystemFileSystem::modificationTime(const fs::path& file) {
    std::error_code error;
    const fs::file_time_type written = fs::last_write_time(file, error);
    if (error)
        return std::nullopt;
    return written;
}

std::optional<std::uintmax_t> SystemFileSystem::fileSize(const fs::path& file) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error)
        return std::nullopt;
    return size;
}

bool SystemFileSystem::makeFolder(const fs::path& folder) {
    std::error_code error;
    return fs::create_directories(folder, error);
}

// An old file is removed first: MinGW's standard library refuses to copy over any file on the
// same drive.
bool SystemFileSystem::copyFolder(const fs::path& from, const fs::path& to,
                                  const std::function<bool(const fs::path&)>& take) {
    std::error_code listing;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, listing)) {
        std::error_code error;
        const fs::path target = to / entry.path().filename();
        if (entry.is_directory(error)) {
            fs::create_directory(target, error);
            if (error || !copyFolder(entry.path(), target, nullptr))
                return false;
            continue;
        }
        if (take && entry.is_regular_file(error) && !take(entry.path()))
            continue;
        fs::remove(target, error);
        if (!error)
            fs::copy(entry.path(), target, error);
        if (error)
            return false;
    }
    return !listing;
}

bool SystemFileSystem::rename(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return !error;
}

bool SystemFileSystem::removeFolder(const fs::path& folder) {
    std::error_code error;
    fs::remove_all(folder, error);
    return !error;
}

bool SystemFileSystem::hide([[maybe_unused]] const fs::path& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
#else
    return true;
#endif
}

std::optional<FileLock> SystemFileSystem::lock(const fs::path& lockFile,
                                               std::chrono::milliseconds patience,
                                               int& errorNumber) {
    return FileLock::acquire(lockFile, patience, errorNumber);
}

} // namespace tp
