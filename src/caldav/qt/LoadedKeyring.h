#pragma once

#include "caldav/qt/KeyringPassword.h"

#include <memory>

namespace tp {

// The desktop's keyring for the program: QtKeychain and the libraries it brings are kept in a
// module, loaded when the sync first needs a password rather than at every start. Without the
// module the keyring is one that never answers, as on a desktop without a keyring service.
std::unique_ptr<PasswordKeyring> loadDesktopKeyring();

} // namespace tp
