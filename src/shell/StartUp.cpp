#include "shell/StartUp.h"

#include "settings/SettingsFile.h"

#include <system_error>

namespace tp {

std::filesystem::path startFolderOfProgram() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    if (error)
        return {};
    return folder;
}

void loadStartState(AppState& state, const std::filesystem::path& startFolder, int currentYear) {
    // An empty start folder would be resolved against a current folder that is gone.
    const auto folders =
        startFolder.empty() ? std::nullopt : prepareDataFolders(startFolder, kDefaultUserName);
    if (folders) {
        state.folders = *folders;
        state.settings.dataRootPath = folderPathText(folders->dataRoot);
        loadSettings(folders->userFolder, state.settings, state.shiftSystem, currentYear);
    }
    takeOverSettings(state);
}

void saveEndState(AppState& state) {
    storeStateInSettings(state);
    if (!state.folders.userFolder.empty())
        saveSettings(state.folders.userFolder, state.settings);
}

} // namespace tp
