#include "platform/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tp {

namespace fs = std::filesystem;

namespace {

WriteResult failedBecause(int errorNumber) {
    return {false, systemErrorText(errorNumber), errorNumber};
}

// A name beside `path` that no other writer uses: the process, the time and a try counter.
fs::path temporaryNameFor(const fs::path& path, int attempt) {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
#ifdef _WIN32
    const unsigned long process = GetCurrentProcessId();
#else
    const unsigned long process = static_cast<unsigned long>(getpid());
#endif
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%lx%llx%x.neu", process,
                  static_cast<unsigned long long>(ticks), static_cast<unsigned>(attempt));
    fs::path temporary = path;
    temporary += suffix;
    return temporary;
}

constexpr int kNameAttempts = 64;

#ifndef _WIN32

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        constexpr std::size_t kLargestWrite = std::size_t{1} << 30;
        const ssize_t written =
            ::write(descriptor, bytes.data(), std::min(bytes.size(), kLargestWrite));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename is only durable once the folder that holds the name is on the disk too. Some file
// systems cannot sync a folder; the file is in place then all the same.
void syncFolder(const fs::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

#endif

} // namespace

#ifndef _WIN32

WriteResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    struct stat old {};
    const bool keepMode = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // Exclusive creation: a file or a link already under the name makes us pick another name,
    // so nothing planted there is ever written through.
    fs::path temporary;
    int descriptor = -1;
    for (int attempt = 0; attempt < kNameAttempts && descriptor < 0; ++attempt) {
        temporary = temporaryNameFor(path, attempt);
        descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
            return failedBecause(errno);
    }
    if (descriptor < 0)
        return failedBecause(EEXIST);

    const auto giveUp = [&](int errorNumber) {
        if (descriptor >= 0)
            ::close(descriptor);
        ::unlink(temporary.c_str());
        return failedBecause(errorNumber);
    };
    if (!writeAll(descriptor, bytes))
        return giveUp(errno);
    if (keepMode && ::fchmod(descriptor, old.st_mode & 07777) != 0)
        return giveUp(errno);
    if (::fsync(descriptor) != 0)
        return giveUp(errno);
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (closed != 0)
        return giveUp(errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return giveUp(errno);
    syncFolder(folder);
    return {true, {}};
}

ReadResult readFile(const fs::path& path, std::string& bytes, std::uintmax_t largestSize) {
    bytes.clear();
    // Not blocking: a pipe planted under the name must not hang the program.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    ReadResult result = ReadResult::Read;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uintmax_t>(status.st_size) > largestSize) {
        result = ReadResult::Unreadable;
    } else {
        try {
            bytes.reserve(static_cast<std::size_t>(status.st_size));
            char chunk[1 << 16];
            for (;;) {
                const ssize_t count = ::read(descriptor, chunk, sizeof chunk);
                if (count < 0 && errno == EINTR)
                    continue;
                if (count < 0 || bytes.size() + static_cast<std::size_t>(count) > largestSize) {
                    result = ReadResult::Unreadable;
                    break;
                }
                if (count == 0)
                    break;
                bytes.append(chunk, static_cast<std::size_t>(count));
            }
        } catch (const std::bad_alloc&) {
            result = ReadResult::Unreadable;
        }
    }
    ::close(descriptor);
    if (result != ReadResult::Read)
        std::string().swap(bytes);
    return result;
}

#else

WriteResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    fs::path temporary;
    std::error_code error;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = temporaryNameFor(path, attempt);
        if (!fs::exists(fs::symlink_status(temporary, error)))
            break;
    }
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return failedBecause(errno);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const int errorNumber = errno;
            out.close();
            fs::remove(temporary, error);
            return failedBecause(errorNumber);
        }
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        fs::remove(temporary, error);
        const int errorNumber = static_cast<int>(GetLastError());
        return {false, std::system_category().message(errorNumber), 0};
    }
    return {true, {}};
}

ReadResult readFile(const fs::path& path, std::string& bytes, std::uintmax_t largestSize) {
    bytes.clear();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return ReadResult::Missing;
    if (error || !fs::is_regular_file(status) || fs::file_size(path, error) > largestSize || error)
        return ReadResult::Unreadable;
    try {
        std::ifstream in(path, std::ios::binary);
        if (in)
            bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in && !in.bad() && bytes.size() <= largestSize)
            return ReadResult::Read;
    } catch (const std::exception&) {
    }
    std::string().swap(bytes);
    return ReadResult::Unreadable;
}

#endif

bool readWholeFile(const fs::path& path, std::string& bytes) {
    return readFile(path, bytes, static_cast<std::uintmax_t>(-1)) == ReadResult::Read;
}

std::string systemErrorText(int errorNumber) {
    // Never the C library's own text: it is English, and it differs between systems.
    switch (errorNumber) {
    case ENOSPC:
        return "Kein Speicherplatz mehr auf dem Datenträger";
#ifdef EDQUOT
    case EDQUOT:
        return "Das Speicherkontingent ist erschöpft";
#endif
    case EACCES:
    case EPERM:
        return "Keine Berechtigung";
    case EROFS:
        return "Der Datenträger ist schreibgeschützt";
    case ENOENT:
        return "Der Ordner existiert nicht";
    case ENOTDIR:
        return "Ein Teil des Pfades ist kein Ordner";
    case EISDIR:
        return "Unter dem Namen liegt ein Ordner";
    case EIO:
        return "Ein- oder Ausgabefehler";
    case EEXIST:
        return "Keine freie Zwischendatei";
    case ELOOP:
        return "Zu viele symbolische Verknüpfungen";
    case ENAMETOOLONG:
        return "Der Dateiname ist zu lang";
    default:
        return "Systemfehler " + std::to_string(errorNumber);
    }
}

void setHiddenAttribute([[maybe_unused]] const fs::path& path) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(path.c_str(), attributes | FILE_ATTRIBUTE_HIDDEN);
#endif
}

fs::path pathFromStored(std::string_view stored) {
    std::string generic(stored);
    for (char& c : generic)
        if (c == '\\')
            c = '/';
    return fs::path(generic).make_preferred();
}

} // namespace tp
