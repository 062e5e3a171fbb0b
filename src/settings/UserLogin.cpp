#include "settings/UserLogin.h"

#include "platform/AtomicFile.h"
#include "settings/SettingsFile.h"

#include <optional>
#include <system_error>

namespace tp {

namespace {

// Code points of a UTF-8 text; nothing when it is not valid UTF-8 (a stray or missing
// continuation byte, an overlong form, a surrogate or a point beyond U+10FFFF), so that no lead
// byte can swallow a '/', '\\' or NUL after it.
std::optional<std::u32string> codePointsOf(std::string_view utf8) {
    std::u32string points;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > utf8.size())
            return std::nullopt;
        char32_t point = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next >> 6) != 2)
                return std::nullopt;
            point = (point << 6) | (next & 0x3Fu);
        }
        constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < kSmallestOfLength[length] || point > 0x10FFFF ||
            (point >= 0xD800 && point <= 0xDFFF))
            return std::nullopt;
        points.push_back(point);
        i += length;
    }
    return points;
}

} // namespace

bool isForbiddenFileNameCharacter(char32_t c) {
    return c < 32 || std::u32string_view(U"\"*/:<>?\\|").find(c) != std::u32string_view::npos;
}

std::optional<std::string> userNameRefusal(std::string_view name) {
    const std::optional<std::u32string> points = codePointsOf(name);
    if (!points)
        return "Der Benutzername enthält ungültige Zeichen.";
    if (points->empty())
        return "Der Benutzername fehlt.";
    if (points->size() > static_cast<std::size_t>(kMaxUserNameLength))
        return "Der Benutzername darf höchstens " + std::to_string(kMaxUserNameLength) +
               " Zeichen lang sein.";
    for (const char32_t c : *points)
        if (isForbiddenFileNameCharacter(c))
            return "Der Benutzername darf keines der Zeichen \\ / : * ? \" < > | und keine "
                   "Steuerzeichen enthalten.";
    // "." and ".." name the data root and the start folder; a name ending in a blank or a dot
    // is cut by Windows, so two names would share one folder.
    if (points->find_first_not_of(U'.') == std::u32string::npos)
        return "Der Benutzername darf nicht nur aus Punkten bestehen.";
    if (points->back() == U' ' || points->back() == U'.')
        return "Der Benutzername darf nicht mit einem Leerzeichen oder Punkt enden.";
    return std::nullopt;
}

bool isAllowedUserName(std::string_view name) {
    return !userNameRefusal(name);
}

std::string mainWindowTitle(const std::string& userName, bool afterLogin,
                            CalendarType calendarType) {
    return (afterLogin ? "Valdor Turnoplaner  - Benutzername: "
                       : "Valdor Turnoplaner - Benutzername: ") +
           userName + " - Kalender: " + std::string(calendarTypeInfo(calendarType).label);
}

UserSwitch switchUser(UserFileStore& store, const std::filesystem::path& dataRoot,
                      const std::string& newName, ProgramSettings& settings,
                      const std::function<void()>& saveOldUserData) {
    UserSwitch result;
    if (!isAllowedUserName(newName))
        return result;
    const std::filesystem::path userFolder = userFolderOf(dataRoot, newName);
    std::error_code error;
    // A link would lead the user's files to wherever it points, and the data root to other
    // users' folders; such a folder is refused rather than followed.
    for (const std::filesystem::path& folder : {dataRoot, userFolder}) {
        if (std::filesystem::is_symlink(folder, error)) {
            result.outcome = UserSwitchOutcome::FolderIsLink;
            const std::u8string shown = folder.u8string();
            result.refusalMessage = "Der Ordner \"" + std::string(shown.begin(), shown.end()) +
                                    "\" ist eine symbolische Verknüpfung und wird nicht benutzt.";
            return result;
        }
    }
    if (saveOldUserData)
        saveOldUserData();

    if (!std::filesystem::exists(userFolder, error)) {
        if (!ensureHiddenFolder(userFolder)) {
            result.outcome = UserSwitchOutcome::FolderNotCreated;
            return result;
        }
        // The new user starts with the current values and keeps his data in his own folder.
        settings.userName = newName;
        settings.userDataFolder = folderPathText(dataRoot);
        settings.notePasswordCheck.clear(); // his notes will have a password of their own
        saveSettings(store, userFolder, settings);
        result.newUser = true;
    } else if (!std::filesystem::is_directory(userFolder, error)) {
        result.outcome = UserSwitchOutcome::FolderNotCreated; // a file holds the name
        return result;
    }

    const LoadedSettings loaded = loadSettings(store, userFolder, folderPathText(dataRoot));
    settings = loaded.settings;
    result.settingsRead = loaded.read;
    settings.userName = newName; // the folder decides, whatever an old file says
    const ExternalFolderCheck check = checkExternalDataFolder(store, dataRoot, newName, settings);
    result.outcome = UserSwitchOutcome::Switched;
    result.place = {dataRoot, newName, check.dataFolder};
    result.missingFolderMessage = check.missingFolderMessage;
    return result;
}

} // namespace tp
