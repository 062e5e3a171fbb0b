#pragma once

#include "platform/FileSystem.h"

#include <array>
#include <cerrno>
#include <string>

namespace tp::test {

// The operations of a FileSystem, to name the one that is to fail.
enum class DiskOperation {
    Read,
    Replace,
    Remove,
    List,
    WriteBlocker,
    TypeOf,
    ModificationTime,
    MakeFolder,
    CopyFolder,
    Rename,
    RemoveFolder,
    Hide,
    Lock,
    FileSize,
    Count
};

// The `nthCall` (from 1) of `operation` fails, and with `andLater` every call after it too,
// with `errorNumber`; `reason` is the text a failed write tells (empty: the system's text).
// With `killed` every call of any operation after it fails as well, as when the program was
// killed at that point and what follows never happened.
struct DiskFault {
    DiskOperation operation = DiskOperation::Replace;
    int nthCall = 1;
    int errorNumber = EIO;
    std::string reason{};
    bool andLater = false;
    bool killed = false;
};

// The real file system, but the call a fault names fails and changes nothing, as a full disk,
// an I/O error or a folder that turned read-only make it fail: a read finds the file
// unreadable, a listing or a lock gets nothing, a query finds nothing, the others say false.
class FaultyDisk final : public FileSystem {
  public:
    explicit FaultyDisk(DiskFault fault) : fault_(std::move(fault)) {}

    // How often `operation` was called so far.
    int calls(DiskOperation operation) const { return calls_[static_cast<std::size_t>(operation)]; }

    DataFileBytes read(const std::filesystem::path& file, std::uintmax_t largestSize) override;
    WriteResult replace(const std::filesystem::path& file, std::string_view bytes) override;
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

  private:
    // Counts the call; whether it is to fail.
    bool fails(DiskOperation operation);
    WriteResult failure() const;

    SystemFileSystem real_;
    DiskFault fault_;
    std::array<int, static_cast<std::size_t>(DiskOperation::Count)> calls_{};
    bool dead_ = false;
};

} // namespace tp::test
