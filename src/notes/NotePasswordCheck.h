#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tp {

// The check value of a note password: a salted, deliberately slow hash (Argon2id) of the note
// key, kept in the user's settings so that a login can tell whether the typed password is the
// one his notes are enciphered with. The password cannot be recovered from it.

// Whether this build makes and reads check values. A build without libsodium (the Windows
// cross build) makes none and judges a password only by how the notes decipher.
bool notePasswordChecksAvailable();

// The check value of the UTF-8 `password` (an ASCII text); nothing for the empty password (the
// notes are not enciphered then), when this build makes none, or when the memory for the hash
// could not be had.
std::optional<std::string> makeNotePasswordCheck(std::string_view password);

enum class NotePasswordFit { Fits, DoesNotFit, CannotTell };

// Whether the UTF-8 `password` is the one `checkValue` was made of; CannotTell when there is
// no check value, or one this build cannot read (damaged, or no libsodium).
NotePasswordFit notePasswordFit(std::string_view checkValue, std::string_view password);

} // namespace tp
