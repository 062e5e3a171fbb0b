#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "session/Session.h"

#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace tp::cli {

// The one way a report opens the user's data folder: a session reads it as it is and changes
// nothing there; the report then reads through the session.
struct DataFolderSession {
    explicit DataFolderSession(const std::filesystem::path& folder,
                               const std::string& password = {}) {
        session.openDataFolder(folder, password);
    }
    // False, after a line "`command`: NAME kann nicht gelesen werden" on `err`, when one of
    // `fileNames` is there but could not be read.
    bool allRead(std::initializer_list<const char*> fileNames, std::string_view command,
                 std::ostream& err) const {
        for (const char* name : fileNames)
            if (session.isUnreadable(name)) {
                err << command << ": " << name << " kann nicht gelesen werden\n";
                return false;
            }
        return true;
    }
    SystemFileSystem files;
    SystemClock clock;
    Session session{files, clock};
};

} // namespace tp::cli
