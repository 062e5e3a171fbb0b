#include "notes/NotePasswordCheck.h"

#include "platform/Windows1252.h"

#ifdef TURNOPLANER_HAVE_SODIUM
#include <sodium.h>
#endif

namespace tp {

#ifdef TURNOPLANER_HAVE_SODIUM

namespace {

// Two passes over 32 MiB: about a tenth of a second at a login on a current machine,
// yet each guess at a copied settings file costs as much. The notes beside it are only
// enciphered by XOR, so a slower hash would guard nothing more. The value names its own
// limits, so that a later change of them still reads the values made before.
constexpr unsigned long long kOperationsLimit = 2;
constexpr std::size_t kMemoryLimit = 32u << 20;
constexpr std::string_view kValuePrefix = crypto_pwhash_argon2id_STRPREFIX;

bool sodiumReady() {
    return sodium_init() >= 0; // 1: made ready before
}

} // namespace

bool notePasswordChecksAvailable() {
    return sodiumReady();
}

// The hash is taken of the key the cipher uses, the password's Windows-1252 bytes: two typed
// forms of one key fit alike.
std::optional<std::string> makeNotePasswordCheck(std::string_view password) {
    if (password.empty() || !sodiumReady())
        return std::nullopt;
    const std::string key = windows1252FromUtf8(password);
    char value[crypto_pwhash_argon2id_STRBYTES] = {};
    if (crypto_pwhash_argon2id_str(value, key.data(), key.size(), kOperationsLimit, kMemoryLimit) !=
        0)
        return std::nullopt;
    return std::string(value);
}

NotePasswordFit notePasswordFit(std::string_view checkValue, std::string_view password) {
    if (!checkValue.starts_with(kValuePrefix) ||
        checkValue.size() >= crypto_pwhash_argon2id_STRBYTES || !sodiumReady())
        return NotePasswordFit::CannotTell;
    const std::string value(checkValue); // ended by NUL, as the library reads it
    // A damaged value would refuse every password: it counts as none.
    if (crypto_pwhash_argon2id_str_needs_rehash(value.c_str(), kOperationsLimit, kMemoryLimit) < 0)
        return NotePasswordFit::CannotTell;
    // None is made of the empty password; this spares the hash at every start, which has none.
    if (password.empty())
        return NotePasswordFit::DoesNotFit;
    const std::string key = windows1252FromUtf8(password);
    return crypto_pwhash_argon2id_str_verify(value.c_str(), key.data(), key.size()) == 0
               ? NotePasswordFit::Fits
               : NotePasswordFit::DoesNotFit;
}

#else

bool notePasswordChecksAvailable() {
    return false;
}

std::optional<std::string> makeNotePasswordCheck(std::string_view) {
    return std::nullopt;
}

NotePasswordFit notePasswordFit(std::string_view, std::string_view) {
    return NotePasswordFit::CannotTell;
}

#endif

} // namespace tp
