#include "notes/NoteCipher.h"

#include "notes/NoteNames.h"
#include "platform/Windows1252.h"

#include <algorithm>

namespace tp {

namespace {
constexpr std::size_t kDigitsPerCharacter = 3;
}

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
