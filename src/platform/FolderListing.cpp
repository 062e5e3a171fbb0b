#include "platform/FolderListing.h"

#if defined(_WIN32)
#include <system_error>
#else
#include <dirent.h>
#endif

namespace tp {

#if defined(_WIN32)

std::vector<std::string> entryNamesOf(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::u8string name = it->path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

#else

std::vector<std::string> entryNamesOf(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    DIR* listing = opendir(folder.c_str());
    if (!listing)
        return names;
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name(entry->d_name);
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    closedir(listing);
    return names;
}

#endif

} // namespace tp
