#include "notes/NoteCipher.h"

#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(NoteCipher, EmptyPasswordStoresThePlainText) {
    const NoteCipher plain("");
    EXPECT_FALSE(plain.hasPassword());
    EXPECT_EQ(plain.encipherNote("Arzt\r\n9 Uhr"), "Arzt\r\n9 Uhr");
    EXPECT_EQ(plain.decipherNote("072101"), "072101");
}

TEST(NoteCipher, ThreeDigitsPerCharacterWithTheRepeatedPassword) {
    const NoteCipher cipher("abc");
    // 'a' ^ 'a' = 0, 'b' ^ 'b' = 0, 'c' ^ 'c' = 0, then the password starts again.
    EXPECT_EQ(cipher.encipherNote("abca"), "000000000000");
    // 'H' ^ 'a' = 41, 'e' ^ 'b' = 7, 'y' ^ 'c' = 26, '!' ^ 'a' = 64.
    EXPECT_EQ(cipher.encipherNote("Hey!"), "041007026064");
    // Every note starts at the first password character.
    EXPECT_EQ(cipher.encipherNote("H"), "041");
    // 'ä' (228) ^ 'a' (97) = 133.
    EXPECT_EQ(cipher.encipherNote("\xE4"), "133");
}

TEST(NoteCipher, RoundTripsEveryCodeWithPasswordsOfAnyLength) {
    std::string text;
    for (int code = 1; code <= 255; ++code)
        text += static_cast<char>(code);
    for (const char* password :
         {"x", "Geheim", "  blank ", "€uro-ß", "a-very-long-password-32-chars!!"}) {
        const NoteCipher cipher(password);
        const std::string stored = cipher.encipherNote(text);
        ASSERT_EQ(stored.size(), 3 * text.size());
        EXPECT_EQ(stored.find_first_not_of("0123456789"), std::string::npos);
        EXPECT_EQ(cipher.decipherNote(stored), text) << password;
    }
}

TEST(NoteCipher, PasswordIsTakenAsWindows1252AndNotTrimmed) {
    // '€' is 0x80 in Windows-1252: 'A' (65) ^ 128 = 193.
    EXPECT_EQ(NoteCipher("€").encipherNote("A"), "193");
    // A blank password differs from the empty one: 'A' ^ ' ' = 97.
    EXPECT_EQ(NoteCipher(" ").encipherNote("A"), "097");
}

TEST(NoteCipher, DamagedStoredTextsStillGiveCharacters) {
    const NoteCipher cipher("a");
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"041", "H"},
        {"04100", "Ha"},                        // a short last group: 0 ^ 'a'
        {"-56", "\xA9"},                        // -56 reads as 200; 200 ^ 97 = 169
        {"097041", std::string_view("\0H", 2)}, // 97 ^ 'a' = 0 is kept
        {"Arzt", "aa"}, // a plain note read with a password: both groups read as 0
    };
    for (const auto& [stored, text] : cases)
        EXPECT_EQ(cipher.decipherNote(stored), text) << stored;
}

// Anna's note read with a mistyped password, added to and saved again: read with the right
// password it still begins with every line she wrote.
TEST(NoteCipher, ANoteSavedUnderAWrongPasswordKeepsItsText) {
    const std::string note = "Oma\r\nGeschenke holen\r\nBrief an Tante Erna";
    const std::pair<const char*, const char*> passwords[] = {
        {"geheim", "falsch"}, {"geheim", "x"}, {"a", "b"}, {"Passwort", "passwort "}};
    for (const auto& [right, wrong] : passwords) {
        const std::string stored = NoteCipher(right).encipherNote(note);
        const std::string misread = NoteCipher(wrong).decipherNote(stored);
        ASSERT_EQ(misread.size(), note.size()) << wrong;
        const std::string resaved = NoteCipher(wrong).encipherNote(misread + " Kuchen");
        const std::string reread = NoteCipher(right).decipherNote(resaved);
        EXPECT_EQ(reread.substr(0, note.size()), note) << right << " / " << wrong;
    }
    // Under "falsch" the first line break deciphers to code 0, which once was dropped.
    EXPECT_TRUE(hasUnreadableCharacters(
        NoteCipher("falsch").decipherNote(NoteCipher("geheim").encipherNote(note))));
}

TEST(NoteCipher, UnreadableCharactersAreToldAndShownAsReplacementCharacters) {
    struct Case {
        std::string_view text; // Windows-1252
        bool unreadable;
        std::string_view shown; // UTF-8
    };
    const Case cases[] = {
        {"Arzt\r\n\t9 Uhr \x80", false, "Arzt\r\n\t9 Uhr \u20AC"},
        {"\r\r\n\n", false, "\r\r\n\n"},
        {std::string_view("a\0b", 3), true, "a\uFFFDb"},
        {"\x01\x1F\x7F", true, "\uFFFD\uFFFD\uFFFD"},
        {"\x81\x8D\x8F\x90\x9D", true, "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\x9F\xA0\xFF", false, "\u0178\u00A0\u00FF"},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hasUnreadableCharacters(c.text), c.unreadable) << c.text;
        EXPECT_EQ(shownNoteText(c.text), c.shown) << c.text;
    }
}

// Without a check value, how a note deciphers tells whether the password fits: control
// characters, or mostly symbols that nobody types, mean it does not. A password that differs
// little gives printable characters, which only the check value tells apart.
TEST(NoteCipher, ImplausibleDeciphermentsAreTold) {
    const std::string note = "Zahnarzt am 3. um 10 Uhr, Tel. 0815 4711";
    const auto misread = [&](const char* wrong) {
        return NoteCipher(wrong).decipherNote(NoteCipher("geheim").encipherNote(note));
    };
    const struct {
        std::string text; // Windows-1252
        bool plausible;
    } cases[] = {
        {note, true},
        {windows1252FromUtf8("Grüße an Jürgen – „pünktlich“ um 18 € § 3 ² µ"), true},
        {"", true},
        {"\xA9\xB1\xA4 ok", true},         // half symbols: still text
        {"\xA9\xB1\xA4\xAE\xB6ok", false}, // mostly symbols
        {"Tel.\x10"
         "0815",
         false}, // a control character
        {misread("Geheim"), false},
        {misread("falsch"), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isPlausibleNoteText(c.text), c.plausible) << shownNoteText(c.text);
}

} // namespace
} // namespace tp
