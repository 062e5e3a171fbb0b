#include "shell/StartUp.h"

#include "settings/SettingsFile.h"

#include <cerrno>
#include <system_error>

namespace tp {

std::filesystem::path startFolderOfProgram() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error)
        return {};
    return folder;
}

std::vector<std::string> loadStartState(AppState& state, const std::filesystem::path& startFolder,
                                        int currentYear) {
    std::vector<std::string> problems;
    // An empty start folder would be resolved against a current folder that is gone.
    ProgramSettings settings;
    if (!startFolder.empty()) {
        // Folders that cannot be made keep their names, so that the failed save at the end
        // can say which file was not written.
        const auto folders = prepareDataFolders(startFolder, kDefaultUserName);
        std::error_code error;
        const auto dataRoot = std::filesystem::absolute(startFolder / kDataRootName, error);
        state.folders = folders.value_or(DataFolders{dataRoot, dataRoot / kDefaultUserName});
        state.dataFolder = state.folders.userFolder;
        const LoadedSettings loaded =
            loadSettings(state.folders.userFolder, folderPathText(state.folders.dataRoot));
        settings = loaded.settings;
        settings.userName = kDefaultUserName; // every run starts with this user's folder
        state.storedFiles.noteRead(state.folders.userFolder / kSettingsFileName, loaded.read);
        if (loaded.read == ReadResult::Unreadable)
            problems.push_back(kSettingsUnreadableMessage);
    }
    takeOverSettings(state, settings, currentYear);
    return problems;
}

std::vector<std::string> saveEndState(AppState& state) {
    const std::filesystem::path file = state.folders.userFolder / kSettingsFileName;
    if (!state.storedFiles.mayReplace(file))
        return {};
    const WriteResult result = state.folders.userFolder.empty()
                                   ? WriteResult{false, systemErrorText(ENOENT), ENOENT}
                                   : saveSettings(state.folders.userFolder, settingsOf(state));
    std::vector<std::string> problems;
    if (auto message = state.storedFiles.failureToReport(file, result))
        problems.push_back(*message);
    return problems;
}

} // namespace tp
