#include "platform/AtomicFile.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <set>
#include <system_error>
#include <vector>

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

// A name beside `path` that no other writer uses: sixteen hex digits made of the process, the
// time and a try counter ("Schichtmarkierung.dat.0123456789abcdef.neu"), so that the start of
// the program can tell the leftovers of an interrupted save.
fs::path temporaryNameFor(const fs::path& path, int attempt) {
    const auto ticks =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#ifdef _WIN32
    const std::uint64_t process = GetCurrentProcessId();
#else
    const std::uint64_t process = static_cast<std::uint64_t>(getpid());
#endif
    const std::uint64_t mixed = (ticks * 0x9E3779B97F4A7C15ull) ^ (process << 40) ^
                                (process >> 24) ^ static_cast<std::uint64_t>(attempt);
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.neu", static_cast<unsigned long long>(mixed));
    fs::path temporary = path;
    temporary += suffix;
    return temporary;
}

constexpr int kNameAttempts = 64;

#ifdef _WIN32

// The German text of a Windows error code (GetLastError).
std::string windowsErrorText(unsigned long error) {
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "Kein Speicherplatz mehr auf dem Datenträger";
    case ERROR_ACCESS_DENIED:
        return "Keine Berechtigung";
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return "Die Datei wird von einem anderen Programm benutzt";
    case ERROR_WRITE_PROTECT:
        return "Der Datenträger ist schreibgeschützt";
    case ERROR_FILE_NOT_FOUND:
        return "Die Datei existiert nicht";
    case ERROR_PATH_NOT_FOUND:
        return "Der Ordner existiert nicht";
    case ERROR_DIRECTORY:
        return "Ein Teil des Pfades ist kein Ordner";
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return "Keine freie Zwischendatei";
    case ERROR_FILENAME_EXCED_RANGE:
        return "Der Pfad ist zu lang";
    case ERROR_INVALID_NAME:
        return "Der Name ist unzulässig";
    case ERROR_NOT_READY:
        return "Das Laufwerk ist nicht bereit";
    case ERROR_BAD_NETPATH:
    case ERROR_NETNAME_DELETED:
    case ERROR_UNEXP_NET_ERR:
        return "Die Netzwerkverbindung ist unterbrochen";
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_IO_DEVICE:
        return "Ein- oder Ausgabefehler";
    default:
        return "Systemfehler " + std::to_string(error);
    }
}

#endif

#ifndef _WIN32

WriteResult failedBecause(int errorNumber) {
    return {false, systemErrorText(errorNumber), errorNumber};
}

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

namespace {

// Writes `bytes` into a new temporary file beside `path` with the old file's permissions and,
// with `flush`, to the disk; the temporary file is gone again when that fails.
WriteResult writeTemporary(const fs::path& path, std::string_view bytes, bool flush,
                           fs::path& temporary) {
    struct stat old {};
    const bool keepMode = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // Exclusive creation: a file or a link already under the name makes us pick another name,
    // so nothing planted there is ever written through.
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
    if (flush && ::fsync(descriptor) != 0)
        return giveUp(errno);
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (closed != 0)
        return giveUp(errno);
    return {true, {}};
}

fs::path folderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

} // namespace

WriteResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    fs::path temporary;
    if (WriteResult written = writeTemporary(path, bytes, true, temporary); !written)
        return written;
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int errorNumber = errno;
        ::unlink(temporary.c_str());
        return failedBecause(errorNumber);
    }
    syncFolder(folderOf(path));
    return {true, {}};
}

// Thousands of files flushed one by one take minutes; one flush of the whole file system
// before the first rename gives the same guarantee in a fraction of a second.
ManyFilesWritten writeFilesAtomically(std::span<const FileReplacement> files) {
    ManyFilesWritten result;
    std::vector<fs::path> temporaries;
    temporaries.reserve(files.size());
    const auto removeTemporaries = [&temporaries](std::size_t from) {
        for (std::size_t i = from; i < temporaries.size(); ++i)
            ::unlink(temporaries[i].c_str());
    };
#ifdef __linux__
    constexpr bool kFlushEach = false;
#else
    constexpr bool kFlushEach = true;
#endif
    for (const FileReplacement& file : files) {
        fs::path temporary;
        if (WriteResult written = writeTemporary(file.path, file.bytes, kFlushEach, temporary);
            !written) {
            removeTemporaries(0);
            result.failedFile = temporaries.size();
            result.written = std::move(written);
            return result;
        }
        temporaries.push_back(std::move(temporary));
    }
#ifdef __linux__
    if (!files.empty()) {
        const int descriptor =
            ::open(folderOf(files.front().path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const bool flushed = descriptor >= 0 && ::syncfs(descriptor) == 0;
        const int errorNumber = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        if (!flushed) {
            removeTemporaries(0);
            result.written = failedBecause(errorNumber);
            return result;
        }
    }
#endif
    std::set<fs::path> folders;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (::rename(temporaries[i].c_str(), files[i].path.c_str()) != 0) {
            result.written = failedBecause(errno);
            result.failedFile = i;
            removeTemporaries(i);
            break;
        }
        ++result.replaced;
        folders.insert(folderOf(files[i].path));
    }
    for (const fs::path& folder : folders)
        syncFolder(folder);
    if (result.replaced == files.size())
        result.written = {true, {}};
    return result;
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

namespace {

WriteResult failedOnWindows(DWORD error) {
    return {false, windowsErrorText(error), static_cast<int>(error)};
}

// Windows says "path not found" also when a part of the path is a file; the user is told that
// this part is no folder.
DWORD pathError(DWORD error, const fs::path& folder) {
    if (error != ERROR_PATH_NOT_FOUND)
        return error;
    std::error_code ignored;
    for (fs::path part = folder; !part.empty(); part = part.parent_path()) {
        const fs::file_status status = fs::status(part, ignored);
        if (fs::exists(status))
            return fs::is_directory(status) ? error : ERROR_DIRECTORY;
        if (part == part.parent_path())
            break;
    }
    return error;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        constexpr std::size_t kLargestWrite = std::size_t{1} << 30;
        const DWORD wanted = static_cast<DWORD>(std::min(bytes.size(), kLargestWrite));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), wanted, &written, nullptr))
            return false;
        if (written == 0) { // nothing written and no error: report it rather than loop
            SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// Renames `temporary` over `path`. A virus scanner, an indexer or another program that has the
// old file open without sharing its deletion makes the rename fail for a moment; it is tried
// again for about a second before the failure counts.
bool replaceFile(const fs::path& temporary, const fs::path& path) {
    constexpr int kTries = 20;
    for (int tried = 1;; ++tried) {
        if (MoveFileExW(temporary.c_str(), path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if (tried == kTries || (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION &&
                                error != ERROR_ACCESS_DENIED))
            return false;
        Sleep(50);
    }
}

} // namespace

WriteResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    const DWORD oldAttributes = GetFileAttributesW(path.c_str());
    const bool replacesAFile = oldAttributes != INVALID_FILE_ATTRIBUTES;
    // Neither a folder nor a file marked read-only is replaced (Windows' rename refuses the
    // latter, wine's would not).
    if (replacesAFile &&
        (oldAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        return failedOnWindows(ERROR_ACCESS_DENIED);

    // Exclusive creation: anything already under the name makes us pick another name.
    fs::path temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = temporaryNameFor(path, attempt);
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = GetLastError();
        if (file == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS &&
            error != ERROR_ALREADY_EXISTS)
            return failedOnWindows(pathError(error, folder));
    }
    if (file == INVALID_HANDLE_VALUE)
        return failedOnWindows(ERROR_FILE_EXISTS);

    const auto giveUp = [&](DWORD error) {
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
        DeleteFileW(temporary.c_str());
        return failedOnWindows(error);
    };
    if (!writeAll(file, bytes) || !FlushFileBuffers(file))
        return giveUp(GetLastError());
    const BOOL closed = CloseHandle(file);
    file = INVALID_HANDLE_VALUE;
    if (!closed)
        return giveUp(GetLastError());
    // A hidden data file stays hidden.
    constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (replacesAFile && (oldAttributes & kKeptAttributes) != 0 &&
        !SetFileAttributesW(temporary.c_str(), oldAttributes & kKeptAttributes))
        return giveUp(GetLastError());
    if (!replaceFile(temporary, path))
        return giveUp(GetLastError());
    return {true, {}};
}

ReadResult readFile(const fs::path& path, std::string& bytes, std::uintmax_t largestSize) {
    bytes.clear();
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? ReadResult::Missing
                   : ReadResult::Unreadable;
    }
    // Only files on a disk: a pipe, a console or a device could keep the reader waiting.
    ReadResult result = ReadResult::Read;
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
        static_cast<std::uintmax_t>(size.QuadPart) > largestSize) {
        result = ReadResult::Unreadable;
    } else {
        try {
            bytes.reserve(static_cast<std::size_t>(size.QuadPart));
            char chunk[1 << 16];
            for (;;) {
                DWORD count = 0;
                if (!ReadFile(file, chunk, sizeof chunk, &count, nullptr) ||
                    bytes.size() + count > largestSize) {
                    result = ReadResult::Unreadable;
                    break;
                }
                if (count == 0)
                    break;
                bytes.append(chunk, count);
            }
        } catch (const std::bad_alloc&) {
            result = ReadResult::Unreadable;
        }
    }
    CloseHandle(file);
    if (result != ReadResult::Read)
        std::string().swap(bytes);
    return result;
}

// Each file flushed on its own: Windows has no flush of a whole volume for a plain user.
ManyFilesWritten writeFilesAtomically(std::span<const FileReplacement> files) {
    return replaceOneAfterAnother(files, [](const FileReplacement& file) {
        return writeFileAtomically(file.path, file.bytes);
    });
}

#endif

bool readWholeFile(const fs::path& path, std::string& bytes) {
    return readFile(path, bytes, static_cast<std::uintmax_t>(-1)) == ReadResult::Read;
}

std::string systemErrorText(int errorNumber) {
#ifdef _WIN32
    return windowsErrorText(static_cast<unsigned long>(errorNumber));
#endif
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

fs::path pathFromStored(std::string_view stored) {
    std::string generic(stored);
    for (char& c : generic)
        if (c == '\\')
            c = '/';
    return fs::path(generic).make_preferred();
}

} // namespace tp
