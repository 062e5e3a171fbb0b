#include "settings/DataFolderMove.h"

#include "platform/FolderCopy.h"
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
        // The target's own note files give way; its other files stay unless the copy brings
        // them. The settings stay where they are unless the data came from the data root.
        const auto keepOwn = [](const fs::path& file) { return !isNoteFile(file); };
        const std::vector<std::string> dropFromCopy =
            fromDataRoot ? std::vector<std::string>{} : std::vector<std::string>{kSettingsFileName};
        if (!replaceFolderByCopy(oldFolder, userFolder, keepOwn, dropFromCopy)) {
            if (createdNow)
                removeFolder(userFolder);
            return {};
        }
        ensureHiddenFolder(userFolder);
    }

    settings.userDataFolder = folderPathText(targetRoot);
    return {true, userFolder};
}

} // namespace tp
