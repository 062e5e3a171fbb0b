#include "settings/DataFolders.h"

#include "platform/AtomicFile.h"
#include "settings/SettingsFile.h"

#include <system_error>

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

} // namespace

bool ensureHiddenFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error))
        return false;
    setHiddenAttribute(folder);
    return true;
}

std::optional<DataFolders> prepareDataFolders(const std::filesystem::path& startFolder,
                                              const std::string& userName) {
    DataFolders folders;
    folders.dataRoot = std::filesystem::absolute(startFolder / kDataRootName);
    folders.userFolder = userFolderOf(folders.dataRoot, userName);
    if (!ensureHiddenFolder(folders.dataRoot) || !ensureHiddenFolder(folders.userFolder))
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

ExternalFolderCheck checkExternalDataFolder(const std::filesystem::path& dataRoot,
                                            const std::string& userName,
                                            ProgramSettings& settings) {
    const std::filesystem::path userFolder = userFolderOf(dataRoot, userName);
    settings.userDataFolder = storedFolderText(settings.userDataFolder);
    if (settings.userDataFolder.empty())
        settings.userDataFolder = folderPathText(dataRoot);

    const std::filesystem::path external = pathFromStored(settings.userDataFolder);
    if (namesSameFolder(external, dataRoot))
        return {userFolder, {}};

    std::error_code error;
    if (std::filesystem::is_directory(external, error)) {
        // A user whose folder is missing there (removed by hand) starts an empty one.
        const std::filesystem::path dataFolder = userFolderOf(external, userName);
        if (ensureHiddenFolder(dataFolder))
            return {dataFolder, {}};
    }

    ExternalFolderCheck check{userFolder, "Das externe Programmverzeichnis '" +
                                              parentFolder(settings.userDataFolder) +
                                              "' wurde nicht gefunden!"};
    settings.userDataFolder = folderPathText(dataRoot);
    return check;
}

} // namespace tp
