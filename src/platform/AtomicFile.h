#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace tp {

// The outcome of replacing a file; `reason` says why it was not written (German, for the user).
struct WriteResult {
    bool written = false;
    std::string reason;
    int errorNumber = 0; // the operating system's error number
    explicit operator bool() const { return written; }
};

// Replaces `path` with `bytes`: written to a new temporary file of a unique name beside it
// (created exclusively, never through a link), flushed to the disk, then renamed over it, so
// a crash or a full disk never leaves half a file and the old file stays when anything fails.
// The old file's permissions are kept.
WriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// One file of a replacement of several.
struct FileReplacement {
    std::filesystem::path path;
    std::string_view bytes;
};
struct ManyFilesWritten {
    WriteResult written;        // the first failure, if any
    std::size_t replaced = 0;   // the files renamed into place, from the first
    std::size_t failedFile = 0; // the index of the file that failed
};

// Replaces several files as writeFileAtomically replaces one: every file is written to its
// temporary file and flushed before the first is renamed into place, the renames following in
// order. After a failure every file is either old (from the one that failed) or new.
ManyFilesWritten writeFilesAtomically(std::span<const FileReplacement> files);

// Replaces the files one after the other with `replace`, stopping at the first failure.
template <typename Replace>
ManyFilesWritten replaceOneAfterAnother(std::span<const FileReplacement> files, Replace replace) {
    ManyFilesWritten result;
    for (const FileReplacement& file : files) {
        if (WriteResult written = replace(file); !written) {
            result.written = std::move(written);
            result.failedFile = result.replaced;
            return result;
        }
        ++result.replaced;
    }
    result.written = {true, {}};
    return result;
}

enum class ReadResult {
    Read,      // the bytes are the whole file
    Missing,   // there is no such file; the bytes are empty
    Unreadable // the file exists but could not be read (or is larger than allowed)
};

// Reads a whole file of at most `largestSize` bytes. Anything but a missing file that cannot
// be read is Unreadable, so that the caller can keep from replacing it.
ReadResult readFile(const std::filesystem::path& path, std::string& bytes,
                    std::uintmax_t largestSize);

// The whole file, or nothing when it cannot be read.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

// The German text of an operating system error number.
std::string systemErrorText(int errorNumber);

// Turns a stored path with '/' or '\' separators into a path of this system.
std::filesystem::path pathFromStored(std::string_view stored);

} // namespace tp
