// The entry of the keyring module the program loads when the calendar sync first needs a
// password.
#include "caldav/qt/KeyringPassword.h"
#include "platform/ModuleEntry.h"

TP_MODULE_EXPORT tp::PasswordKeyring* tpNewDesktopKeyring() {
    return new tp::DesktopKeyring();
}
