#pragma once

#include <chrono>
#include <cstdint>
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
    explicit FileLock(std::intptr_t handle) : handle_(handle) {}
    void release() noexcept;

    // The open lock file: a descriptor, or a Windows handle; -1 when none is held.
    std::intptr_t handle_ = -1;
};

} // namespace tp
