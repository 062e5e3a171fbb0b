#pragma once

#include "platform/qt/FontConfigLoad.h"
#include "session/Session.h"

#include <filesystem>
#include <future>

namespace tp {

// The program's start up to its window. Made before the application object, it starts
// `session` in `startFolder` on a thread of its own while the font configuration loads on
// another, so that both overlap Qt's connection to the window system; reading a data folder
// with thousands of notes takes about as long. Both threads run at a lower priority, so that
// the one making the window is not slowed by them. The session must not be used by anyone else
// until finish() returned.
class ProgramStart {
  public:
    ProgramStart(Session& session, const std::filesystem::path& startFolder);

    // Needs the application object: loads what the window's first texts need, the font
    // database and the application font, then waits for the session.
    SessionReport finish();

  private:
    FontConfigLoad fontConfig_; // first: it sets the locale the session's thread reads under
    std::filesystem::path startFolder_;
    std::future<SessionReport> started_;
};

} // namespace tp
