// The entry of the keyring module the program loads when the calendar sync first needs a
// password.
#include "caldav/qt/KeyringPassword.h"

#ifdef _WIN32
#define TP_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TP_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

TP_MODULE_EXPORT tp::PasswordKeyring* tpNewDesktopKeyring() {
    return new tp::DesktopKeyring();
}
