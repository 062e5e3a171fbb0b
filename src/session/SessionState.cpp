#include "session/SessionState.h"

#include "model/BlockCrewOrder.h"
#include "settings/SettingsFile.h"

namespace tp {

std::filesystem::path userFolderOf(const SessionState& state) {
    return state.dataRoot.empty() ? std::filesystem::path{}
                                  : userFolderOf(state.dataRoot, state.userName);
}

ShiftSystem shiftSystemOf(const SessionState& state) {
    ShiftSystem system;
    system.calendarType = state.calendarType;
    system.blockVacationTables = state.blockVacationTables;
    system.earliestVacationStart = state.earliestVacationStart;
    return system;
}

void takeOverSettings(SessionState& state, const ProgramSettings& settings, int crewTableYear) {
    state.font = {settings.fontName, settings.fontSize, settings.fontStyle};
    state.lastColumnIndex = settings.lastColumnIndex;
    state.switches.schoolHolidays = settings.showSchoolHolidays;
    state.switches.weekNumbers = settings.showWeekNumbers;
    state.userName = settings.userName;
    state.notePasswordCheck = settings.notePasswordCheck;
    state.calendarType =
        calendarTypeFromNumber(settings.calendarType).value_or(CalendarType::WendringPm1);
    state.switches.vacationBlock = settings.showVacationBlock;
    state.targetHours38 = settings.targetHours38;
    state.targetHours40 = settings.targetHours40;
    state.hourlyWageCents = settings.hourlyWageCents;
    state.earliestVacationStart = {settings.vacationStartMonth, settings.vacationStartDay};
    state.vacationCycle = settings.vacationCycle;
    resetBlockCrewOrder(state.blockVacationTables, crewTableYear);
    rotateBlockCrewOrder(state.blockVacationTables, crewTableYear, settings.vacationCycle);

    state.place.latitude = settings.latitude;
    state.place.longitude = settings.longitude;
    state.place.timeZone = settings.timeZone;
    state.place.automaticSummerTime = settings.automaticSummerTime;
    state.place.twilight = settings.twilight;
    state.placeName = settings.placeName;
    state.switches.moonPhases = settings.showMoonPhases;
    state.switches.orbitExtremes = settings.showOrbitExtremes;
}

ProgramSettings settingsOf(const SessionState& state) {
    ProgramSettings settings;
    settings.fontName = state.font.name;
    settings.fontSize = state.font.size;
    settings.fontStyle = state.font.style;
    settings.lastColumnIndex = static_cast<std::int8_t>(state.lastColumnIndex);
    settings.showSchoolHolidays = state.switches.schoolHolidays;
    settings.showWeekNumbers = state.switches.weekNumbers;
    // The "TPDaten" that holds the user's data folder.
    if (!state.dataFolder.empty())
        settings.userDataFolder = folderPathText(state.dataFolder.parent_path());
    settings.userName = state.userName;
    settings.notePasswordCheck = state.notePasswordCheck;
    settings.calendarType = static_cast<std::int8_t>(numberOf(state.calendarType));
    settings.showVacationBlock = state.switches.vacationBlock;
    settings.targetHours38 = state.targetHours38;
    settings.targetHours40 = state.targetHours40;
    settings.hourlyWageCents = state.hourlyWageCents;
    settings.vacationStartMonth = state.earliestVacationStart.month;
    settings.vacationStartDay = state.earliestVacationStart.day;
    settings.vacationCycle = state.vacationCycle;

    settings.latitude = state.place.latitude;
    settings.longitude = state.place.longitude;
    settings.timeZone = state.place.timeZone;
    settings.automaticSummerTime = state.place.automaticSummerTime;
    settings.placeName = state.placeName;
    settings.twilight = static_cast<std::int8_t>(state.place.twilight);
    settings.showMoonPhases = state.switches.moonPhases;
    settings.showOrbitExtremes = state.switches.orbitExtremes;
    return settings;
}

} // namespace tp
