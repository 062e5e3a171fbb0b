#include "notes/NoteCipher.h"

#include "notes/NoteNames.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>

namespace tp {

namespace {

constexpr std::size_t kDigitsPerCharacter = 3;

// The Windows-1252 characters of typed text: letters, digits, punctuation (the printable ASCII
// characters, quotes, dashes, "€", "§", "°" and the like) and blanks, line breaks and tabs.
// Symbols such as "©", "±" or "¤" are not among them.
constexpr std::array<bool, 256> kTypedCharacters = [] {
    std::array<bool, 256> typed{};
    for (const int code : {'\t', '\n', '\r'})
        typed[code] = true;
    for (int code = 0x20; code < 0x7F; ++code)
        typed[code] = true;
    for (const int code : {0x80, 0x82, 0x83, 0x84, 0x85, 0x8A, 0x8B, 0x8C, 0x8E, 0x91, 0x92, 0x93,
                           0x94, 0x95, 0x96, 0x97, 0x9A, 0x9B, 0x9C, 0x9E, 0x9F, 0xA0, 0xA1, 0xA7,
                           0xAA, 0xAB, 0xB0, 0xB2, 0xB3, 0xB5, 0xB7, 0xB9, 0xBA, 0xBB, 0xBF})
        typed[code] = true;
    for (int code = 0xC0; code <= 0xFF; ++code)
        typed[code] = code != 0xD7 && code != 0xF7; // all letters but "×" and "÷"
    return typed;
}();
static_assert(kTypedCharacters['a'] && kTypedCharacters[0xE4] && kTypedCharacters[0x80] &&
              !kTypedCharacters[0x00] && !kTypedCharacters[0xA9] && !kTypedCharacters[0xD7]);

} // namespace

NoteCipher::NoteCipher(std::string_view passwordUtf8) : key_(windows1252FromUtf8(passwordUtf8)) {}

std::string NoteCipher::encipherNote(std::string_view text) const {
    if (key_.empty())
        return std::string(text);
    std::string stored;
    stored.reserve(text.size() * kDigitsPerCharacter);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = xorByte(static_cast<std::uint8_t>(text[i]),
                                  static_cast<std::uint8_t>(key_[i % key_.size()]));
        stored += static_cast<char>('0' + code / 100);
        stored += static_cast<char>('0' + code / 10 % 10);
        stored += static_cast<char>('0' + code % 10);
    }
    return stored;
}

std::string NoteCipher::decipherNote(std::string_view stored) const {
    if (key_.empty())
        return std::string(stored);
    std::string text;
    text.reserve(stored.size() / kDigitsPerCharacter + 1);
    std::size_t keyPosition = 0;
    for (std::size_t p = 0; p < stored.size(); p += kDigitsPerCharacter) {
        // A group is read like any number, so a damaged group still gives one character.
        const std::int32_t value = leadingNumber(stored.substr(p, kDigitsPerCharacter));
        const auto code =
            xorByte(static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(key_[keyPosition]));
        keyPosition = (keyPosition + 1) % key_.size();
        // Every character is kept, code 0 too: enciphered again under the same password the
        // text gives back the stored codes, so a note read with a wrong password and saved
        // again still reads with the right one.
        text += static_cast<char>(code);
    }
    return text;
}

bool isUnreadableNoteCharacter(char character) {
    const auto code = static_cast<unsigned char>(character);
    if (code < 0x20)
        return code != '\t' && code != '\n' && code != '\r';
    // DEL and the bytes Windows-1252 leaves undefined (they pass through as C1 controls).
    return code == 0x7F || code == 0x81 || code == 0x8D || code == 0x8F || code == 0x90 ||
           code == 0x9D;
}

bool hasUnreadableCharacters(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isUnreadableNoteCharacter);
}

bool isPlausibleNoteText(std::string_view text) {
    if (hasUnreadableCharacters(text))
        return false;
    const auto typed = std::count_if(text.begin(), text.end(), [](char character) {
        return kTypedCharacters[static_cast<unsigned char>(character)];
    });
    return 2 * static_cast<std::size_t>(typed) >= text.size();
}

std::string shownNoteText(std::string_view text) {
    std::string shown;
    shown.reserve(text.size() + text.size() / 8);
    std::size_t readableStart = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isUnreadableNoteCharacter(text[i]))
            continue;
        shown += utf8FromWindows1252(text.substr(readableStart, i - readableStart));
        if (i < text.size())
            shown += "\uFFFD";
        readableStart = i + 1;
    }
    return shown;
}

} // namespace tp
