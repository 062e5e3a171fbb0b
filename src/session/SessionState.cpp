#include "session/SessionState.h"

#include "model/BlockCrewOrder.h"
#include "settings/SettingsFile.h"

namespace tp {

std::filesystem::path userFolderOf(const SessionState& state) {
    return state.dataRoot.empty() ? std::filesystem::path{}
                                  : userFolderOf(state.dataRoot, state.userName);
}

ShiftSystem shiftSystemOf(const SessionState& state) {
    return {state.calendarType, state.blockVacationTables, state.vacation.earliestStart};
}

void useSettings(SessionState& state, ProgramSettings settings, int crewTableYear) {
    settings.userDataFolder = std::move(state.userDataFolder);
    settings.lastUserName.clear();
    static_cast<ProgramSettings&>(state) = std::move(settings);
    resetBlockCrewOrder(state.blockVacationTables, crewTableYear);
    rotateBlockCrewOrder(state.blockVacationTables, crewTableYear, state.vacation.cycle);
}

void setDataFolder(SessionState& state, std::filesystem::path folder) {
    state.userDataFolder = folder.empty() ? std::string{} : folderPathText(folder.parent_path());
    state.dataFolder = std::move(folder);
}

} // namespace tp
