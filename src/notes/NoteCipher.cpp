#include "notes/NoteCipher.h"

#include "notes/NoteNames.h"
#include "platform/Windows1252.h"

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
        // Code 0 only comes from a wrong password or a plain file; it would end the text early.
        if (code != 0)
            text += static_cast<char>(code);
    }
    return text;
}

} // namespace tp
