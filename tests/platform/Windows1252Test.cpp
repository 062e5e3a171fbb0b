#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(Windows1252, GermanTextRoundTrips) {
    const std::string utf8 = "Fontgröße Länge Dämmerung Mariä Märtyrer Buß- »€« ÄÖÜß\u00A0";
    const std::string bytes = windows1252FromUtf8(utf8);
    EXPECT_EQ(bytes.find('?'), std::string::npos);
    EXPECT_EQ(bytes.substr(0, 9), "Fontgr\xF6\xDF\x65");
    EXPECT_EQ(utf8FromWindows1252(bytes), utf8);
}

TEST(Windows1252, SingleBytes) {
    EXPECT_EQ(windows1252FromUtf8("ö"), "\xF6");
    EXPECT_EQ(windows1252FromUtf8("€"), "\x80");
    EXPECT_EQ(windows1252FromUtf8("\u00A0"), "\xA0");
    EXPECT_EQ(utf8FromWindows1252("\xE4\x9F"), "äŸ");
}

// Every byte decodes to something that encodes back to the same byte.
TEST(Windows1252, EveryByteRoundTrips) {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(one)), one) << byte;
    }
}

TEST(Windows1252, UnmappableAndBrokenInputBecomesQuestionMarks) {
    EXPECT_EQ(windows1252FromUtf8("a\u4E2Db"), "a?b");
    EXPECT_EQ(windows1252FromUtf8("a\x80z"), "a?z");
    EXPECT_EQ(windows1252FromUtf8("a\xC3"), "a?");
    // A sequence cut short keeps what follows it.
    EXPECT_EQ(windows1252FromUtf8("Ort\xE2\r\nD\xC3\xA4"), "Ort?\r\nD\xE4");
    EXPECT_EQ(windows1252FromUtf8("\xF0\x9F\xFFx\xFE"), "??x?");
}

} // namespace
} // namespace tp
