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
    ProgramSettings settings;
    if (folders) {
        state.folders = *folders;
        state.dataFolder = folders->userFolder;
        settings = loadSettings(folders->userFolder, folderPathText(folders->dataRoot));
        settings.userName = kDefaultUserName; // every run starts with this user's folder
    }
    takeOverSettings(state, settings, currentYear);
}

void saveEndState(const AppState& state) {
    if (!state.folders.userFolder.empty())
        saveSettings(state.folders.userFolder, settingsOf(state));
}

} // namespace tp
