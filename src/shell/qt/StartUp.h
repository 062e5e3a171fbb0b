#pragma once

#include "session/Session.h"

#include <filesystem>

namespace tp {

// Starts `session` in `startFolder` on a second thread while this one loads what the window's
// first texts need: the font database and the application font. Reading a data folder with
// thousands of notes takes about as long, so the two together take little more than either.
// The session must not be used by anyone else until this returns.
SessionReport startSessionWhileFontsLoad(Session& session,
                                         const std::filesystem::path& startFolder);

} // namespace tp
