#include "settings/DataFolders.h"

#include "platform/AtomicFile.h"
#include "settings/SettingsFile.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace tp {

namespace {

constexpr char kNativeSeparator = static_cast<char>(std::filesystem::path::preferred_separator);

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

bool namesSameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    return std::filesystem::weakly_canonical(a, error) ==
           std::filesystem::weakly_canonical(b, error);
}

std::string utf8Text(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// Whether `name` is `base` followed by `suffix` and a number.
bool isMoveSibling(std::string_view name, std::string_view base, std::string_view suffix) {
    if (!name.starts_with(base) || !name.substr(base.size()).starts_with(suffix))
        return false;
    const std::string_view number = name.substr(base.size() + suffix.size());
    return !number.empty() && std::all_of(number.begin(), number.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

} // namespace

MoveSettling settleInterruptedMove(FileSystem& files, const std::filesystem::path& folder) {
    const std::filesystem::path parent = folder.parent_path();
    const std::optional<std::vector<std::string>> names = files.list(parent);
    if (!names)
        return {};
    const std::string base = utf8Text(folder.filename());
    std::vector<std::filesystem::path> copies;
    std::vector<std::filesystem::path> formers;
    for (const std::string& name : *names) {
        const std::filesystem::path sibling =
            parent / std::filesystem::path(std::u8string(name.begin(), name.end()));
        if (isMoveSibling(name, base, kMoveCopySuffix))
            copies.push_back(sibling);
        else if (isMoveSibling(name, base, kMoveFormerSuffix))
            formers.push_back(sibling);
    }
    if (copies.empty() && formers.empty())
        return {};
    std::sort(formers.begin(), formers.end());

    // The new contents are in place once the folder is there again while its former contents
    // wait aside; a copy beside it means the move stopped before that.
    const bool inPlace = files.typeOf(folder, false) != EntryType::Missing;
    const bool finished = inPlace && copies.empty();
    MoveSettling result;
    for (const std::filesystem::path& copy : copies)
        result.settled = files.removeFolder(copy) && result.settled;
    if (!inPlace && !files.rename(formers.front(), folder))
        return {{}, false};
    for (const std::filesystem::path& former : formers)
        if (files.typeOf(former, false) != EntryType::Missing)
            result.settled = files.removeFolder(former) && result.settled;
    result.notice = "Der Umzug der Daten nach \"" + utf8Text(folder) +
                    "\" war unterbrochen worden. " +
                    (finished ? "Er wurde jetzt abgeschlossen; die Daten dort sind vollständig."
                              : "Er wurde jetzt rückgängig gemacht; der Ordner ist wieder wie vor "
                                "dem Umzug.");
    return result;
}

bool ensureHiddenFolder(FileSystem& files, const std::filesystem::path& folder) {
    files.makeFolder(folder);
    if (files.typeOf(folder, true) != EntryType::Folder)
        return false;
    files.hide(folder);
    return true;
}

std::optional<DataFolders> prepareDataFolders(FileSystem& files,
                                              const std::filesystem::path& startFolder,
                                              const std::string& userName) {
    DataFolders folders;
    folders.dataRoot = std::filesystem::absolute(startFolder / kDataRootName);
    folders.userFolder = userFolderOf(folders.dataRoot, userName);
    if (!ensureHiddenFolder(files, folders.dataRoot))
        return std::nullopt;
    const MoveSettling settling = settleInterruptedMove(files, folders.userFolder);
    folders.moveNotice = settling.notice;
    if (!ensureHiddenFolder(files, folders.userFolder))
        return std::nullopt;
    return folders;
}

std::filesystem::path userFolderOf(const std::filesystem::path& dataRoot,
                                   const std::string& userName) {
    return dataRoot / std::filesystem::path(std::u8string(userName.begin(), userName.end()));
}

std::string storedFolderText(std::string_view stored) {
    std::string text(stored);
    for (char& c : text)
        if (isSeparator(c))
            c = kNativeSeparator;
    if (!text.empty() && text.back() != kNativeSeparator)
        text += kNativeSeparator;
    return text;
}

std::string parentFolder(std::string_view folder) {
    if (folder.empty())
        return {};
    folder.remove_suffix(1);
    while (!folder.empty() && !isSeparator(folder.back()))
        folder.remove_suffix(1);
    return std::string(folder);
}

ExternalFolderCheck checkExternalDataFolder(FileSystem& files,
                                            const std::filesystem::path& dataRoot,
                                            const std::string& userName,
                                            ProgramSettings& settings) {
    const std::filesystem::path userFolder = userFolderOf(dataRoot, userName);
    settings.userDataFolder = storedFolderText(settings.userDataFolder);
    if (settings.userDataFolder.empty())
        settings.userDataFolder = folderPathText(dataRoot);

    const std::filesystem::path external = pathFromStored(settings.userDataFolder);
    if (namesSameFolder(external, dataRoot))
        return {userFolder, {}, {}};

    if (files.typeOf(external, true) == EntryType::Folder) {
        // A user whose folder is missing there (removed by hand) starts an empty one, but not
        // while his data may still wait beside it after an interrupted move.
        const std::filesystem::path dataFolder = userFolderOf(external, userName);
        MoveSettling settling = settleInterruptedMove(files, dataFolder);
        const bool present = files.typeOf(dataFolder, true) == EntryType::Folder;
        if ((settling.settled || present) && ensureHiddenFolder(files, dataFolder))
            return {dataFolder, {}, std::move(settling.notice)};
    }

    ExternalFolderCheck check{userFolder,
                              "Das externe Programmverzeichnis '" +
                                  parentFolder(settings.userDataFolder) + "' wurde nicht gefunden!",
                              {}};
    settings.userDataFolder = folderPathText(dataRoot);
    return check;
}

} // namespace tp
