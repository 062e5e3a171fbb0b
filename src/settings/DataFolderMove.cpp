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

// A name beside `target` with `suffix` and a number that nothing has yet.
fs::path freeSiblingName(FileSystem& files, const fs::path& target, std::string_view suffix) {
    for (int attempt = 0; attempt < 1000; ++attempt) {
        fs::path candidate = target;
        candidate += std::string(suffix) + std::to_string(attempt);
        if (files.typeOf(candidate, false) == EntryType::Missing)
            return candidate;
    }
    return {};
}

// Replaces the contents of `folder` (made when missing) by new contents built in a temporary
// folder beside it: its own plain files that `keepOwnFile` accepts, then everything of
// `source` over them, without the names in `dropFromCopy`. The new contents are renamed into
// place only when complete, so that a failure leaves `folder` as it was, and a kill leaves
// names from which the next start can tell how far it came (settleInterruptedMove).
bool replaceFolderByCopy(FileSystem& files, const fs::path& source, const fs::path& folder,
                         const std::function<bool(const fs::path&)>& keepOwnFile,
                         const std::vector<std::string>& dropFromCopy) {
    const bool existed = files.typeOf(folder, false) != EntryType::Missing;
    const fs::path staging = freeSiblingName(files, folder, kMoveCopySuffix);
    if (staging.empty() || !files.makeFolder(staging))
        return false;
    const bool copied = (!existed || files.copyFolder(folder, staging, keepOwnFile)) &&
                        files.copyFolder(source, staging, nullptr);
    if (copied)
        for (const std::string& name : dropFromCopy)
            files.remove(staging / fs::path(std::u8string(name.begin(), name.end())));

    const fs::path former =
        copied && existed ? freeSiblingName(files, folder, kMoveFormerSuffix) : fs::path{};
    if (!copied || (existed && (former.empty() || !files.rename(folder, former)))) {
        files.removeFolder(staging);
        return false;
    }
    if (!files.rename(staging, folder)) {
        if (existed)
            files.rename(former, folder);
        files.removeFolder(staging);
        return false;
    }
    if (existed)
        files.removeFolder(former);
    return true;
}

} // namespace

DataFolderMove moveDataFolder(FileSystem& files, const UserDataPlace& place,
                              const fs::path& chosenFolder, ProgramSettings& settings,
                              const std::function<bool()>& confirmOverwrite,
                              const std::function<void()>& saveChangedMarkingsAndBars) {
    if (chosenFolder.empty() || files.typeOf(chosenFolder, true) != EntryType::Folder)
        return {};
    const fs::path targetRoot = resolved(chosenFolder) / kDataRootName;
    const fs::path userFolder = userFolderOf(targetRoot, place.userName);

    // Copying a folder onto itself would delete the notes first and then copy nothing; into
    // a folder inside itself it would never end.
    const fs::path oldFolder = resolved(place.dataFolder);
    const fs::path newFolder = resolved(userFolder);
    std::error_code error;
    if (isWithin(newFolder, oldFolder) || isWithin(oldFolder, newFolder) ||
        fs::equivalent(userFolder, place.dataFolder, error))
        return {};

    if (!ensureHiddenFolder(files, targetRoot))
        return {};
    // What an earlier move there left when it was killed must not pass for the user's folder.
    if (!settleInterruptedMove(files, userFolder).settled)
        return {};
    bool copy = true;
    if (const EntryType there = files.typeOf(userFolder, true); there != EntryType::Missing) {
        if (there != EntryType::Folder)
            return {};
        copy = confirmOverwrite && confirmOverwrite();
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
        if (!replaceFolderByCopy(files, oldFolder, userFolder, keepOwn, dropFromCopy))
            return {};
        ensureHiddenFolder(files, userFolder);
    }

    settings.userDataFolder = folderPathText(targetRoot);
    return {true, userFolder};
}

} // namespace tp
