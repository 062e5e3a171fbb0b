#include "platform/OutputFile.h"

#include <cerrno>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tp {

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows in one name.
constexpr int kMostLinks = 40;

WriteResult failedBecause(int errorNumber) {
    return {false, systemErrorText(errorNumber), errorNumber};
}

bool endsInSeparator(const fs::path& path) {
    const auto& text = path.native();
    return !text.empty() && (text.back() == '/' || text.back() == fs::path::preferred_separator);
}

#ifndef _WIN32

// Writes into what is already there (a pipe or a device) without creating or truncating.
WriteResult writeDirectly(const fs::path& path, std::string_view bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        return failedBecause(errno);
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            const int errorNumber = errno;
            ::close(descriptor);
            return failedBecause(errorNumber);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (::close(descriptor) != 0 && errno != EINTR)
        return failedBecause(errno);
    return {true, {}};
}

#endif

} // namespace

WriteResult writeOutputFile(const fs::path& path, std::string_view bytes) {
    if (endsInSeparator(path))
        return failedBecause(EISDIR);
    std::error_code error;
    // What the name leads to, through any links (/dev/stdout included).
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status))
        return failedBecause(EISDIR);
#ifndef _WIN32
    if (fs::exists(status) && !fs::is_regular_file(status))
        return writeDirectly(path, bytes);
#endif
    if (!fs::is_symlink(path, error))
        return writeFileAtomically(path, bytes);
    // The links stay; the file they lead to is replaced, or made when it is not there yet
    // (each link relative to its own folder).
    if (fs::exists(status)) {
        const fs::path target = fs::canonical(path, error);
        return error ? failedBecause(error.value()) : writeFileAtomically(target, bytes);
    }
    fs::path target = path;
    for (int links = 0; fs::is_symlink(target, error); ++links) {
        if (links == kMostLinks)
            return failedBecause(ELOOP);
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            return failedBecause(error.value());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return writeFileAtomically(target, bytes);
}

} // namespace tp
