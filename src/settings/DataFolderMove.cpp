#include "settings/DataFolderMove.h"

#include "settings/SettingsFile.h"

#include <algorithm>
#include <array>
#include <string>
#include <system_error>

namespace tp {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 4> kNoteExtensions{".jnt", ".txt", ".tnt", ".wmt"};

bool isNoteFile(const fs::path& file) {
    const std::string extension = file.extension().string();
    return std::find(kNoteExtensions.begin(), kNoteExtensions.end(), extension) !=
           kNoteExtensions.end();
}

fs::path resolved(const fs::path& folder) {
    std::error_code error;
    fs::path path = fs::weakly_canonical(fs::absolute(folder, error), error);
    if (!path.has_filename())
        path = path.parent_path(); // a trailing separator leaves an empty last element
    return path;
}

// Whether `inner` is `outer` or lies somewhere inside it.
bool isWithin(const fs::path& inner, const fs::path& outer) {
    const auto [outerEnd, innerPosition] =
        std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
    return outerEnd == outer.end();
}

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

// Copies the entries of `from` into `to`, replacing files of the same name. An old file is
// removed first: MinGW's standard library refuses to copy over any file on the same drive.
bool copyInto(const fs::path& from, const fs::path& to, bool skipNoteFiles) {
    std::error_code listing;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, listing)) {
        std::error_code error;
        const fs::path target = to / entry.path().filename();
        if (entry.is_directory(error)) {
            fs::create_directory(target, error);
            if (error || !copyInto(entry.path(), target, false))
                return false;
            continue;
        }
        if (skipNoteFiles && entry.is_regular_file(error) && isNoteFile(entry.path()))
            continue;
        fs::remove(target, error);
        if (!error)
            fs::copy(entry.path(), target, error);
        if (error)
            return false;
    }
    return !listing;
}

// Builds the new contents of `userFolder` beside it: its own files without the notes, then
// everything of `oldFolder` over them; swaps them in when all went well.
bool replaceByCopy(const fs::path& oldFolder, const fs::path& userFolder, bool keepSettingsFile) {
    const fs::path staging = createSiblingFolder(userFolder, "neu");
    if (staging.empty())
        return false;
    std::error_code error;
    bool copied = copyInto(userFolder, staging, true) && copyInto(oldFolder, staging, false);
    if (copied && !keepSettingsFile)
        fs::remove(staging / kSettingsFileName, error);

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
    ensureHiddenFolder(userFolder);
    fs::remove_all(previous, error);
    return true;
}

} // namespace

DataFolderMove moveDataFolder(const UserDataPlace& place, const fs::path& chosenFolder,
                              ProgramSettings& settings,
                              const std::function<bool()>& confirmOverwrite,
                              const std::function<void()>& saveChangedMarkingsAndBars) {
    std::error_code error;
    if (chosenFolder.empty() || !fs::is_directory(chosenFolder, error))
        return {};
    const fs::path targetRoot = resolved(chosenFolder) / kDataRootName;
    const fs::path userFolder = userFolderOf(targetRoot, place.userName);

    // Copying a folder onto itself would delete the notes first and then copy nothing; into
    // a folder inside itself it would never end.
    const fs::path oldFolder = resolved(place.dataFolder);
    const fs::path newFolder = resolved(userFolder);
    if (isWithin(newFolder, oldFolder) || isWithin(oldFolder, newFolder) ||
        fs::equivalent(userFolder, place.dataFolder, error))
        return {};

    if (!ensureHiddenFolder(targetRoot))
        return {};
    bool copy = false;
    bool createdNow = false;
    if (fs::exists(userFolder, error)) {
        if (!fs::is_directory(userFolder, error))
            return {};
        copy = confirmOverwrite && confirmOverwrite();
    } else {
        if (!ensureHiddenFolder(userFolder))
            return {};
        copy = createdNow = true;
    }

    if (saveChangedMarkingsAndBars)
        saveChangedMarkingsAndBars();

    if (copy) {
        const bool fromDataRoot =
            fs::equivalent(oldFolder, userFolderOf(place.dataRoot, place.userName), error);
        if (!replaceByCopy(oldFolder, userFolder, fromDataRoot)) {
            if (createdNow)
                fs::remove_all(userFolder, error);
            return {};
        }
    }

    settings.userDataFolder = folderPathText(targetRoot);
    return {true, userFolder};
}

} // namespace tp
