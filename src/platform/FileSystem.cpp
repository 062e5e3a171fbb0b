#include "platform/FileSystem.h"

#include <cerrno>

#ifndef _WIN32
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
    result.status = readFile(file, result.bytes, largestSize);
    if (result.status == DataFileStatus::Unreadable)
        result.reason = unreadableReason(file, largestSize);
    return result;
}

WriteResult SystemFileSystem::replace(const fs::path& file, std::string_view bytes) {
    return writeFileAtomically(file, bytes);
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

} // namespace tp
