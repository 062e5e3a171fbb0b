#pragma once

#include <filesystem>
#include <string_view>

namespace tp {

// Replaces `path` with `bytes`: written to a temporary file beside it, then renamed over it,
// so a crash never leaves half a file. Returns false when the file could not be written.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The whole file, or nothing when it cannot be read.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

// Marks a file or folder hidden where the file system knows the attribute (Windows);
// elsewhere nothing happens.
void setHiddenAttribute(const std::filesystem::path& path);

// Turns a stored path with '/' or '\' separators into a path of this system.
std::filesystem::path pathFromStored(std::string_view stored);

} // namespace tp
