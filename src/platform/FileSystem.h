#pragma once

#include "platform/AtomicFile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// What became of reading a personal data file. A file that exists but could not be read (no
// permission, an I/O error, not a plain file, or an absurd size) must never be written over.
using DataFileStatus = ReadResult;

struct DataFileBytes {
    DataFileStatus status = DataFileStatus::Missing;
    std::string bytes;  // empty unless read
    std::string reason; // why an unreadable file could not be read (German)
};

// The few file operations the store of the user's files is built on. The program uses the
// system's; tests put in one that fails on purpose (a full disk, an I/O error, a folder that
// turned read-only in the middle of a save).
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The whole of a plain file of at most `largestSize` bytes (see readFile).
    virtual DataFileBytes read(const std::filesystem::path& file, std::uintmax_t largestSize) = 0;
    // Replaces the file atomically (see writeFileAtomically).
    virtual WriteResult replace(const std::filesystem::path& file, std::string_view bytes) = 0;
    // Deletes the file; a missing file is no failure.
    virtual WriteResult remove(const std::filesystem::path& file) = 0;
    // The names in a folder (UTF-8 bytes on every system); nothing when it cannot be listed.
    virtual std::optional<std::vector<std::string>> list(const std::filesystem::path& folder) = 0;
    // Whether files can be made in `folder`; 0, or the error number why not.
    virtual int writeBlocker(const std::filesystem::path& folder) = 0;
};

// The operating system's file operations.
class SystemFileSystem : public FileSystem {
  public:
    DataFileBytes read(const std::filesystem::path& file, std::uintmax_t largestSize) override;
    WriteResult replace(const std::filesystem::path& file, std::string_view bytes) override;
    WriteResult remove(const std::filesystem::path& file) override;
    std::optional<std::vector<std::string>> list(const std::filesystem::path& folder) override;
    int writeBlocker(const std::filesystem::path& folder) override;
};

} // namespace tp
