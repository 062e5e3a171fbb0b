#include "shell/StartUp.h"

#include "settings/SettingsFile.h"

namespace tp {

void loadStartState(AppState& state, const std::filesystem::path& startFolder, int currentYear) {
    if (const auto folders = prepareDataFolders(startFolder, kDefaultUserName)) {
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
