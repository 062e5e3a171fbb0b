#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

namespace tp {

// An advisory lock on a lock file, held until destroyed. Other installations that use the same
// data folder take the same lock before they read, merge and replace a shared file.
class FileLock {
  public:
    // Takes the lock on `lockFile` (created if missing), waiting up to `patience`; nullopt
    // when it could not be taken, with `errorNumber` set (0 means the wait timed out).
    static std::optional<FileLock> acquire(const std::filesystem::path& lockFile,
                                           std::chrono::milliseconds patience, int& errorNumber);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
#ifdef _WIN32
    using Handle = void*;
    static constexpr Handle kNoHandle = nullptr;
#else
    using Handle = int;
    static constexpr Handle kNoHandle = -1;
#endif
    explicit FileLock(Handle handle) : handle_(handle) {}
    void release();

    Handle handle_ = kNoHandle;
};

} // namespace tp
