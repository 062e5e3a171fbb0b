#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tp {

// Replaces the contents of `folder` by new contents built in a temporary folder beside it: its
// own plain files that `keepOwnFile` accepts, then everything of `source` over them, without
// the names in `dropFromCopy`. The new contents are swapped in only when complete, so that a
// failure leaves `folder` as it was.
bool replaceFolderByCopy(const std::filesystem::path& source, const std::filesystem::path& folder,
                         const std::function<bool(const std::filesystem::path&)>& keepOwnFile,
                         const std::vector<std::string>& dropFromCopy);

// Removes `folder` with everything in it, as far as it can.
void removeFolder(const std::filesystem::path& folder);

} // namespace tp
