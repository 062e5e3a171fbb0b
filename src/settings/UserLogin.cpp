#include "settings/UserLogin.h"

#include "platform/AtomicFile.h"
#include "settings/SettingsFile.h"

#include <system_error>

namespace tp {

namespace {

// Code points of a UTF-8 text; a byte that starts no valid sequence counts as one.
std::u32string codePointsOf(std::string_view utf8) {
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 1;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        points.push_back(point);
        i += static_cast<std::size_t>(length);
    }
    return points;
}

} // namespace

bool isForbiddenFileNameCharacter(char32_t c) {
    return c < 32 || std::u32string_view(U"\"*/:<>?\\|").find(c) != std::u32string_view::npos;
}

bool isAllowedUserName(std::string_view name) {
    const std::u32string points = codePointsOf(name);
    if (points.empty() || points.size() > static_cast<std::size_t>(kMaxUserNameLength))
        return false;
    for (const char32_t c : points)
        if (isForbiddenFileNameCharacter(c))
            return false;
    // "." and ".." name the data root and the start folder; a name ending in a blank or a dot
    // is cut by Windows, so two names would share one folder.
    return points.back() != U' ' && points.back() != U'.';
}

std::string mainWindowTitle(const std::string& userName, bool afterLogin,
                            CalendarType calendarType) {
    return (afterLogin ? "Valdor Turnoplaner  - Benutzername: "
                       : "Valdor Turnoplaner - Benutzername: ") +
           userName + " - Kalender: " + std::string(calendarTypeInfo(calendarType).label);
}

void saveAllUserData(const UserDataPlace& place, const ProgramSettings& settings,
                     const std::function<void()>& saveChangedMarkingsAndBars) {
    if (saveChangedMarkingsAndBars)
        saveChangedMarkingsAndBars();
    saveSettings(userFolderOf(place.dataRoot, place.userName), settings);
}

UserSwitch switchUser(const std::filesystem::path& dataRoot, const std::string& newName,
                      ProgramSettings& settings, const std::function<void()>& saveOldUserData) {
    UserSwitch result;
    if (!isAllowedUserName(newName))
        return result;
    if (saveOldUserData)
        saveOldUserData();

    const std::filesystem::path userFolder = userFolderOf(dataRoot, newName);
    std::error_code error;
    if (!std::filesystem::exists(userFolder, error)) {
        if (!ensureHiddenFolder(userFolder)) {
            result.outcome = UserSwitchOutcome::FolderNotCreated;
            return result;
        }
        // The new user starts with the current values and keeps his data in his own folder.
        settings.userName = newName;
        settings.userDataFolder = folderPathText(dataRoot);
        saveSettings(userFolder, settings);
        result.newUser = true;
    } else if (!std::filesystem::is_directory(userFolder, error)) {
        result.outcome = UserSwitchOutcome::FolderNotCreated; // a file holds the name
        return result;
    }

    const LoadedSettings loaded = loadSettings(userFolder, folderPathText(dataRoot));
    settings = loaded.settings;
    result.settingsRead = loaded.read;
    settings.userName = newName; // the folder decides, whatever an old file says
    const ExternalFolderCheck check = checkExternalDataFolder(dataRoot, newName, settings);
    result.outcome = UserSwitchOutcome::Switched;
    result.place = {dataRoot, newName, check.dataFolder};
    result.missingFolderMessage = check.missingFolderMessage;
    return result;
}

} // namespace tp
