#include "platform/FileLock.h"

#include <thread>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tp {

namespace {

constexpr std::chrono::milliseconds kPollInterval{10};

enum class Attempt { Taken, Busy, Failed };

#ifdef _WIN32

HANDLE asHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// Another process that opened the file without sharing it counts as a holder too.
bool heldByAnother(DWORD error) {
    return error == ERROR_LOCK_VIOLATION || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_IO_PENDING;
}

std::intptr_t openLockFile(const std::filesystem::path& lockFile, int& errorNumber) {
    // No FILE_SHARE_DELETE: the file stays while anybody holds it open, so that nobody locks
    // a new file of the same name meanwhile.
    const HANDLE file = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        errorNumber = heldByAnother(error) ? 0 : static_cast<int>(error);
        return -1;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        errorNumber = ERROR_INVALID_FUNCTION;
        return -1;
    }
    return reinterpret_cast<std::intptr_t>(file);
}

Attempt tryLock(std::intptr_t handle, int& errorNumber) {
    OVERLAPPED whole{};
    if (LockFileEx(asHandle(handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &whole))
        return Attempt::Taken;
    const DWORD error = GetLastError();
    if (heldByAnother(error))
        return Attempt::Busy;
    errorNumber = static_cast<int>(error);
    return Attempt::Failed;
}

void closeLockFile(std::intptr_t handle) {
    OVERLAPPED whole{};
    UnlockFileEx(asHandle(handle), 0, 1, 0, &whole);
    CloseHandle(asHandle(handle));
}

#else

std::intptr_t openLockFile(const std::filesystem::path& lockFile, int& errorNumber) {
    // Not blocking and never through a link: whatever is planted under the name must not hang
    // the program or lend it somebody else's file.
    const int descriptor =
        ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0666);
    if (descriptor < 0) {
        errorNumber = errno;
        return -1;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        errorNumber = EINVAL;
        return -1;
    }
    return descriptor;
}

bool heldByAnother(int error) {
    return error == EAGAIN || error == EACCES || error == EWOULDBLOCK;
}

// Open-file-description locks (Linux) exclude every other open of the file, in this process
// too, and reach the server on NFS; elsewhere flock() excludes the same way.
Attempt tryLock(std::intptr_t handle, int& errorNumber) {
    const int descriptor = static_cast<int>(handle);
    for (;;) {
#ifdef F_OFD_SETLK
        struct flock whole {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        if (::fcntl(descriptor, F_OFD_SETLK, &whole) == 0)
            return Attempt::Taken;
        if (errno == EINVAL && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0) // an older kernel
            return Attempt::Taken;
#else
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            return Attempt::Taken;
#endif
        if (errno == EINTR)
            continue;
        if (heldByAnother(errno))
            return Attempt::Busy;
        errorNumber = errno;
        return Attempt::Failed;
    }
}

// Closing the descriptor releases the lock.
void closeLockFile(std::intptr_t handle) {
    ::close(static_cast<int>(handle));
}

#endif

} // namespace

std::optional<FileLock> FileLock::acquire(const std::filesystem::path& lockFile,
                                          std::chrono::milliseconds patience, int& errorNumber) {
    errorNumber = 0;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    std::intptr_t handle = -1;
    for (;;) {
        if (handle == -1)
            handle = openLockFile(lockFile, errorNumber);
        if (handle != -1) {
            switch (tryLock(handle, errorNumber)) {
            case Attempt::Taken:
                return FileLock(handle);
            case Attempt::Busy:
                break;
            case Attempt::Failed:
                closeLockFile(handle);
                return std::nullopt;
            }
        } else if (errorNumber != 0) {
            return std::nullopt;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            if (handle != -1)
                closeLockFile(handle);
            return std::nullopt;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kPollInterval, deadline - now));
    }
}

FileLock::FileLock(FileLock&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

void FileLock::release() noexcept {
    if (handle_ != -1)
        closeLockFile(handle_);
    handle_ = -1;
}

} // namespace tp
