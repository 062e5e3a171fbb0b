#include "platform/FolderCopy.h"

#include <system_error>

namespace tp {

namespace fs = std::filesystem;

namespace {

// A new empty folder beside `target` for building its next contents.
fs::path createSiblingFolder(const fs::path& target, std::string_view purpose) {
    std::error_code error;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        fs::path candidate = target;
        candidate += "." + std::string(purpose) + std::to_string(attempt);
        if (fs::create_directory(candidate, error))
            return candidate;
    }
    return {};
}

// Copies the entries of `from` that `take` accepts (folders always) into `to`, replacing files
// of the same name. An old file is removed first: MinGW's standard library refuses to copy
// over any file on the same drive.
bool copyInto(const fs::path& from, const fs::path& to,
              const std::function<bool(const fs::path&)>& take) {
    std::error_code listing;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, listing)) {
        std::error_code error;
        const fs::path target = to / entry.path().filename();
        if (entry.is_directory(error)) {
            fs::create_directory(target, error);
            if (error || !copyInto(entry.path(), target, nullptr))
                return false;
            continue;
        }
        if (take && entry.is_regular_file(error) && !take(entry.path()))
            continue;
        fs::remove(target, error);
        if (!error)
            fs::copy(entry.path(), target, error);
        if (error)
            return false;
    }
    return !listing;
}

} // namespace

bool replaceFolderByCopy(const fs::path& source, const fs::path& folder,
                         const std::function<bool(const fs::path&)>& keepOwnFile,
                         const std::vector<std::string>& dropFromCopy) {
    const fs::path& userFolder = folder;
    const fs::path staging = createSiblingFolder(userFolder, "neu");
    if (staging.empty())
        return false;
    std::error_code error;
    const bool copied =
        copyInto(userFolder, staging, keepOwnFile) && copyInto(source, staging, nullptr);
    if (copied)
        for (const std::string& name : dropFromCopy)
            fs::remove(staging / fs::path(std::u8string(name.begin(), name.end())), error);

    const fs::path previous = copied ? createSiblingFolder(userFolder, "alt") : fs::path{};
    if (previous.empty()) {
        fs::remove_all(staging, error);
        return false;
    }
    fs::remove(previous, error);
    fs::rename(userFolder, previous, error);
    if (error) {
        fs::remove_all(staging, error);
        return false;
    }
    fs::rename(staging, userFolder, error);
    if (error) {
        std::error_code ignored;
        fs::rename(previous, userFolder, ignored);
        fs::remove_all(staging, ignored);
        return false;
    }
    fs::remove_all(previous, error);
    return true;
}

void removeFolder(const fs::path& folder) {
    std::error_code error;
    fs::remove_all(folder, error);
}

} // namespace tp
