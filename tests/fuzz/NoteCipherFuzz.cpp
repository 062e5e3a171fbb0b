// The note cipher: any text without NUL comes back from its stored form under any password,
// and stored text of any kind deciphers to at most one character per group of three digits.
// The input is a password length, the password (UTF-8 as typed) and then the text.

#include "FuzzTarget.h"

#include "notes/NoteCipher.h"

#include <algorithm>
#include <string_view>

using namespace tp;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.empty())
        return 0;
    const std::size_t passwordLength = std::min<std::size_t>(input[0] & 0x1F, input.size() - 1);
    const NoteCipher cipher(input.substr(1, passwordLength));
    input.remove_prefix(1 + passwordLength);

    std::string text(input);
    std::erase(text, '\0');
    const std::string stored = cipher.encipherNote(text);
    require(cipher.decipherNote(stored) == text);
    if (cipher.hasPassword())
        require(
            stored.size() == 3 * text.size() &&
            std::all_of(stored.begin(), stored.end(), [](char c) { return c >= '0' && c <= '9'; }));
    else
        require(stored == text);

    // The rest of the input taken as a stored note, damaged or not.
    const std::string deciphered = cipher.decipherNote(input);
    require(deciphered.size() <= (input.size() + 2) / 3 || !cipher.hasPassword());
    require(cipher.decipherNote(cipher.encipherNote(deciphered)) == deciphered);
    return 0;
}

std::vector<std::string> fuzzSeeds() {
    return {std::string("\x06") + "GeheimBescherung\r\num 18 Uhr",
            std::string("\x03") + "K\xC3\xB6" + "Gr\xFC\xDF" + "e <1990>",
            std::string("\x01") + "a" + "aaaa", std::string("\x05") + "Pass " + "104010115999abc12",
            std::string("\x00", 1) + "ohne Passwort"};
}
