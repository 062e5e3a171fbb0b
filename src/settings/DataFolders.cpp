#include "settings/DataFolders.h"

#include "platform/AtomicFile.h"

#include <system_error>

namespace tp {

namespace {

bool ensureHiddenFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error))
        return false;
    setHiddenAttribute(folder);
    return true;
}

} // namespace

std::optional<DataFolders> prepareDataFolders(const std::filesystem::path& startFolder,
                                              const std::string& userName) {
    DataFolders folders;
    folders.dataRoot = std::filesystem::absolute(startFolder / kDataRootName);
    folders.userFolder = folders.dataRoot / std::filesystem::u8path(userName);
    if (!ensureHiddenFolder(folders.dataRoot) || !ensureHiddenFolder(folders.userFolder))
        return std::nullopt;
    return folders;
}

} // namespace tp
