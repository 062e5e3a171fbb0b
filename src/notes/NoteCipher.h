#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tp {

constexpr std::uint8_t xorByte(std::uint8_t a, std::uint8_t b) {
    return static_cast<std::uint8_t>(a ^ b);
}

// Notes are stored enciphered with the login password: each Windows-1252 character of the text
// is combined with the password character at its position (the password repeated, starting
// afresh for every note) and written as three decimal digits. An empty password stores the text
// as it is. A wrong password gives other characters, never an error.
class NoteCipher {
  public:
    // The password as typed (UTF-8); it is used as Windows-1252, blanks included.
    explicit NoteCipher(std::string_view passwordUtf8);

    bool hasPassword() const { return !key_.empty(); }

    // Both sides are Windows-1252 bytes.
    std::string encipherNote(std::string_view text) const;
    std::string decipherNote(std::string_view stored) const;

  private:
    std::string key_;
};

// Control characters other than CR, LF and Tab, which no typed note holds: a deciphered note
// (Windows-1252) with such characters was most likely read with a wrong password.
bool isUnreadableNoteCharacter(char character);
bool hasUnreadableCharacters(std::string_view text);

// Whether a deciphered note (Windows-1252) reads like text someone typed: no unreadable
// character, and at least half of it letters, digits, punctuation or blanks. A note deciphered
// with a wrong password seldom is; an empty one always is.
bool isPlausibleNoteText(std::string_view text);

// A deciphered note (Windows-1252) as UTF-8 for reading, each unreadable character as "�" (U+FFFD).
std::string shownNoteText(std::string_view text);

} // namespace tp
