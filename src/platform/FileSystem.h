#pragma once

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
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

// Why a data file that is a symbolic link is not read: it is kept like an unreadable file.
inline constexpr const char* kLinkedFileReason = "Die Datei ist eine Verknüpfung";

// What a name stands for; Missing also when that cannot be told.
enum class EntryType { Missing, File, Folder, Link, Other };

// Every file operation of the program's data folders goes through this. The program uses the
// system's; tests put in one that fails on purpose (a full disk, an I/O error, a folder that
// turned read-only in the middle of a save).
class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // The whole of a plain file of at most `largestSize` bytes (see readFile).
    virtual DataFileBytes read(const std::filesystem::path& file, std::uintmax_t largestSize) = 0;
    // Replaces the file atomically (see writeFileAtomically).
    virtual WriteResult replace(const std::filesystem::path& file, std::string_view bytes) = 0;
    // Replaces several files (see writeFilesAtomically); by default one after the other.
    virtual ManyFilesWritten replaceAll(std::span<const FileReplacement> files);
    // Deletes the file; a missing file is no failure.
    virtual WriteResult remove(const std::filesystem::path& file) = 0;
    // The names in a folder (UTF-8 bytes on every system); nothing when it cannot be listed.
    virtual std::optional<std::vector<std::string>> list(const std::filesystem::path& folder) = 0;
    // Whether files can be made in `folder`; 0, or the error number why not.
    virtual int writeBlocker(const std::filesystem::path& folder) = 0;
    // What `path` names; a link is reported as one only when it is not followed.
    virtual EntryType typeOf(const std::filesystem::path& path, bool followLinks) = 0;
    // When the file was last written; nothing when that cannot be told.
    virtual std::optional<std::filesystem::file_time_type>
    modificationTime(const std::filesystem::path& file) = 0;
    // The size of a plain file in bytes; nothing when that cannot be told.
    virtual std::optional<std::uintmax_t> fileSize(const std::filesystem::path& file) = 0;
    // Creates `folder` and what leads to it; true only when it was made now.
    virtual bool makeFolder(const std::filesystem::path& folder) = 0;
    // Copies what is in `from` into the folder `to`, replacing files of the same name: every
    // folder whole, the plain files only where `take` (if given) accepts them.
    virtual bool copyFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                            const std::function<bool(const std::filesystem::path&)>& take) = 0;
    // Gives a file or folder a new name.
    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    // Removes `folder` with everything in it, as far as it can; false when something stayed.
    virtual bool removeFolder(const std::filesystem::path& folder) = 0;
    // Marks a file or folder hidden where the file system knows the attribute (Windows); false
    // when that failed.
    virtual bool hide(const std::filesystem::path& path) = 0;
    // Takes the lock on `lockFile` (see FileLock::acquire).
    virtual std::optional<FileLock> lock(const std::filesystem::path& lockFile,
                                         std::chrono::milliseconds patience, int& errorNumber) = 0;
};

// The operating system's file operations.
class SystemFileSystem : public FileSystem {
  public:
    DataFileBytes read(const std::filesystem::path& file, std::uintmax_t largestSize) override;
    WriteResult replace(const std::filesystem::path& file, std::string_view bytes) override;
    ManyFilesWritten replaceAll(std::span<const FileReplacement> files) override;
    WriteResult remove(const std::filesystem::path& file) override;
    std::optional<std::vector<std::string>> list(const std::filesystem::path& folder) override;
    int writeBlocker(const std::filesystem::path& folder) override;
    EntryType typeOf(const std::filesystem::path& path, bool followLinks) override;
    std::optional<std::filesystem::file_time_type>
    modificationTime(const std::filesystem::path& file) override;
    std::optional<std::uintmax_t> fileSize(const std::filesystem::path& file) override;
    bool makeFolder(const std::filesystem::path& folder) override;
    bool copyFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                    const std::function<bool(const std::filesystem::path&)>& take) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool removeFolder(const std::filesystem::path& folder) override;
    bool hide(const std::filesystem::path& path) override;
    std::optional<FileLock> lock(const std::filesystem::path& lockFile,
                                 std::chrono::milliseconds patience, int& errorNumber) override;
};

} // namespace tp
