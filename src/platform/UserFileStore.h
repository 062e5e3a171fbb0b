#pragma once

#include "platform/FileLock.h"
#include "platform/FileSystem.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// The result of storing or deleting a personal data file; `reason` is the German text the
// window shows in its "Fehler" box when `ok` is false.
struct SaveResult {
    bool ok = true;
    std::string reason;
};

// The one door of the user's files: settings, notes, markings, bars and accounts are read,
// replaced and deleted only through it. It remembers every file that exists but could not be
// read, and never replaces or deletes such a file, whatever the user does; it tells a failed
// write of a file only once a run; and it holds the lock under which installations that share
// a data folder read, merge and replace their common files.
class UserFileStore {
  public:
    explicit UserFileStore(FileSystem& files) : files_(files) {}

    // Reads the whole of `file` when it is a plain file of at most `largestSize` bytes.
    DataFileBytes read(const std::filesystem::path& file, std::uintmax_t largestSize);
    // Records that `file`, though read, holds what the program cannot represent: it is kept
    // like a file that could not be read.
    void markUnreadable(const std::filesystem::path& file) { unreadable_.insert(file); }
    // Records how many records of `file`, loaded from `bytes`, the program could not use (0:
    // none). Before the file is first written or deleted without them, `bytes` are kept beside
    // it (see damagedCopyOf), so that what was skipped can still be mended by hand.
    void noteSkippedRecords(const std::filesystem::path& file, std::string bytes,
                            int skippedRecords);
    // How many records of `file` were skipped at its last loading.
    int skippedRecords(const std::filesystem::path& file) const;
    // Whether `file` was found unreadable at its last reading.
    bool isUnreadable(const std::filesystem::path& file) const;
    // Every file found unreadable at its last reading.
    const std::set<std::filesystem::path>& unreadableFiles() const { return unreadable_; }

    // Replaces `file` with `bytes` (the old file stays intact when that fails) and, when
    // `hidden`, gives it the hidden attribute; empty `bytes` delete the file instead. A file
    // that could not be read is kept as it is, and the result says so.
    SaveResult save(const std::filesystem::path& file, std::string_view bytes, bool hidden);
    // Replaces several files, each atomically, all written before the first is renamed into
    // place (see writeFilesAtomically). When one is a link or could not be read, nothing is
    // written. `saved` counts the files replaced, in order; the reason names the file that
    // failed.
    SaveResult saveAll(std::span<const FileReplacement> files, std::size_t& saved);
    // Deletes `file`; a missing file is no failure, an unreadable one is kept.
    SaveResult remove(const std::filesystem::path& file);

    // The names in `folder`; nothing when it cannot be listed.
    std::optional<std::vector<std::string>> list(const std::filesystem::path& folder);

    // The lock of the shared data folder `folder`, waited for up to two seconds. The reason
    // (German) says why it could not be taken. While one is held, a second taken through this
    // store shares it without waiting, so that a save of several shared files waits once.
    struct FolderLock {
        std::shared_ptr<FileLock> lock;
        std::string reason;
        explicit operator bool() const { return lock != nullptr; }
    };
    FolderLock lockFolder(const std::filesystem::path& folder);

    // Removes the temporary files of interrupted saves (name.<16 hex digits>.neu) in `folder`
    // that are older than an hour; returns how many.
    int removeStaleTemporaries(const std::filesystem::path& folder,
                               const std::vector<std::string>& names);

    FileSystem& files() { return files_; }

  private:
    // Keeps the damaged file as it was read before it is first replaced or deleted; the reason
    // when that failed.
    SaveResult keepDamagedCopy(const std::filesystem::path& file);

    struct Damage {
        std::string bytes;
        int skippedRecords = 0;
        bool copyKept = false;
    };
    FileSystem& files_;
    std::set<std::filesystem::path> unreadable_;
    std::map<std::filesystem::path, Damage> damaged_;
    std::map<std::filesystem::path, std::weak_ptr<FileLock>> heldLocks_;
};

inline constexpr const char* kFolderLockFileName = "TPSperre.lck";
inline constexpr std::chrono::milliseconds kFolderLockPatience{2000};

// The result for a file that was not written because it could not be read before.
SaveResult refusedUnreadableFile(const std::filesystem::path& file);

// The result for a data file that is a symbolic link: it is never replaced or deleted; the
// reason names it for the message at loading too.
SaveResult keptLinkedFile(const std::filesystem::path& file);

// Where a damaged data file is kept: "<name>.beschädigt" beside it.
std::filesystem::path damagedCopyOf(const std::filesystem::path& file);

// Whether `name` is the name of a temporary file the atomic writer makes beside `base`.
bool isTemporaryFileName(std::string_view name);

} // namespace tp
