#pragma once

#include "model/ShiftSystem.h"
#include "platform/AtomicFile.h"
#include "settings/DataFolders.h"
#include "settings/ProgramSettings.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tp {

inline constexpr int kMaxUserNameLength = 32; // characters
inline constexpr int kMaxPasswordLength = 32;

// Characters a file name cannot hold: control characters and " * / : < > ? \ |
bool isForbiddenFileNameCharacter(char32_t c);

// A name that may become a user's folder: 1 to 32 characters, none forbidden in a file name,
// and not one that names another folder ("." or "..") or that Windows would store under a
// different name (ending in a blank or a dot). `name` is UTF-8.
bool isAllowedUserName(std::string_view name);
// Why `name` is not allowed, in German; nothing when it is. Invalid UTF-8 is refused.
std::optional<std::string> userNameRefusal(std::string_view name);

// The main window's title: the start form, or the form after a login (two blanks before the
// dash there), and the shift system shown ("... Benutzername: Anna - Kalender: Wendring PM 1").
std::string mainWindowTitle(const std::string& userName, bool afterLogin,
                            CalendarType calendarType);

enum class UserSwitchOutcome {
    Switched,
    NameNotAllowed,   // nothing was saved, created or changed
    FolderNotCreated, // the old user's data were saved; the old user stays logged in
    FolderIsLink,     // the data root or the user's folder is a symbolic link: nothing was
                      // saved, created or changed; `refusalMessage` says which
};

struct UserSwitch {
    UserSwitchOutcome outcome = UserSwitchOutcome::NameNotAllowed;
    UserDataPlace place;              // the new user's, when switched
    bool newUser = false;             // the user's folder was created now
    std::string missingFolderMessage; // see checkExternalDataFolder
    std::string refusalMessage;       // German, for FolderIsLink
    // Unreadable: the new user's settings file exists but could not be read; he runs on the
    // defaults and the file must not be replaced.
    ReadResult settingsRead = ReadResult::Missing;
};

// Logs in as `newName`: saves the old user's data (`saveOldUserData`), creates the new user's
// hidden folder with a complete settings file made from the current values when the name is
// new, then reads that user's settings into `settings` (the caller takes them over) and checks
// his data folder. The caller then loads notes, markings, bars and accounts from
// `place.dataFolder`, sets the title and redraws.
UserSwitch switchUser(UserFileStore& store, const std::filesystem::path& dataRoot,
                      const std::string& newName, ProgramSettings& settings,
                      const std::function<void()>& saveOldUserData);

} // namespace tp
