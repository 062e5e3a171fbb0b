#pragma once

#include "model/ShiftSystem.h"
#include "settings/DataFolders.h"

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
    bool newUser = false;       // the user's folder was created now; his settings file is not
    std::string refusalMessage; // German, for FolderIsLink
};

// The folder side of a login as `newName`: refuses a name or folder that must not be used,
// saves the old user's data (`saveOldUserData`) and creates the new user's hidden folder when
// the name is new. The caller then writes a new user's first settings file, reads the user's
// settings, checks his data folder and loads his notes, markings, bars and accounts.
UserSwitch switchUser(FileSystem& files, const std::filesystem::path& dataRoot,
                      const std::string& newName, const std::function<void()>& saveOldUserData);

} // namespace tp
