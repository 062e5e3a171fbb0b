#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tp {

// The result of storing a personal data file; `reason` is the German text the window shows
// in its "Fehler" box when `ok` is false.
struct SaveResult {
    bool ok = true;
    std::string reason;
};

// Replaces `path` with `bytes` (the old file stays intact when that fails) and, when
// `hidden`, gives it the hidden attribute. An empty `bytes` deletes the file instead.
SaveResult saveDataFile(const std::filesystem::path& path, std::string_view bytes, bool hidden);

// As saveDataFile (hidden), unless the file could not be read when it was loaded: then it is
// kept as it is and the result says so.
SaveResult saveReadableDataFile(const std::filesystem::path& path, std::string_view bytes,
                                bool unreadableWhenLoaded);

// The result for a file that was not written because it could not be read before.
SaveResult refusedUnreadableFile(const std::filesystem::path& path);

} // namespace tp
