#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tp {

// The names (UTF-8 bytes) of the entries of a folder, files and folders, in no particular
// order; none when the folder cannot be read. A folder of ten thousand notes is listed at every
// start: without a path object for each entry it takes a fraction of the time.
std::vector<std::string> entryNamesOf(const std::filesystem::path& folder);

} // namespace tp
