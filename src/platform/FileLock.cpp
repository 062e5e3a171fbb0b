#include "platform/FileLock.h"

#include <thread>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace tp {

namespace {

constexpr std::chrono::milliseconds kPollInterval{10};

} // namespace

#ifndef _WIN32

std::optional<FileLock> FileLock::acquire(const std::filesystem::path& lockFile,
                                          std::chrono::milliseconds patience, int& errorNumber) {
    errorNumber = 0;
    const int descriptor = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (descriptor < 0) {
        errorNumber = errno;
        return std::nullopt;
    }
    // flock belongs to the open file, so a second descriptor of this process waits too.
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            return FileLock(descriptor);
        if (errno != EWOULDBLOCK && errno != EINTR) {
            errorNumber = errno;
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(kPollInterval);
    }
    ::close(descriptor);
    return std::nullopt;
}

void FileLock::release() {
    if (handle_ != kNoHandle)
        ::close(handle_); // closing the last descriptor of the open file drops the lock
    handle_ = kNoHandle;
}

#else

std::optional<FileLock> FileLock::acquire(const std::filesystem::path& lockFile,
                                          std::chrono::milliseconds patience, int& errorNumber) {
    errorNumber = 0;
    HANDLE handle = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errorNumber = static_cast<int>(GetLastError());
        return std::nullopt;
    }
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        OVERLAPPED whole{};
        if (LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                       MAXDWORD, &whole))
            return FileLock(handle);
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) {
            errorNumber = static_cast<int>(error);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(kPollInterval);
    }
    CloseHandle(handle);
    return std::nullopt;
}

void FileLock::release() {
    if (handle_ != kNoHandle)
        CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = kNoHandle;
}

#endif

FileLock::FileLock(FileLock&& other) noexcept : handle_(std::exchange(other.handle_, kNoHandle)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, kNoHandle);
    }
    return *this;
}

FileLock::~FileLock() {
    release();
}

} // namespace tp
