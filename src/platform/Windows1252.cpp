#include "platform/Windows1252.h"

#include <array>
#include <cstdint>

namespace tp {

namespace {

// Code points of bytes 0x80..0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::array<char32_t, 32> kHighControlBlock{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t codePointOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = kHighControlBlock[byte - 0x80];
        return mapped != 0 ? mapped : byte; // undefined bytes pass through as C1 controls
    }
    return byte;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char byteOfCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControlBlock.size(); ++i)
        if (kHighControlBlock[i] == cp)
            return static_cast<char>(0x80 + i);
    if (cp >= 0x80 && cp <= 0x9F && kHighControlBlock[cp - 0x80] == 0)
        return static_cast<char>(cp);
    return '?';
}

} // namespace

std::string utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes)
        appendUtf8(out, codePointOfByte(static_cast<unsigned char>(c)));
    return out;
}

std::string windows1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 1;
        char32_t cp = lead;
        if (lead >= 0xF8) {
            length = 0; // no UTF-8 lead byte
        } else if (lead >= 0xF0) {
            length = 4;
            cp = lead & 0x07;
        } else if (lead >= 0xE0) {
            length = 3;
            cp = lead & 0x0F;
        } else if (lead >= 0xC0) {
            length = 2;
            cp = lead & 0x1F;
        } else if (lead >= 0x80) {
            length = 0; // stray continuation byte
        }
        // A broken sequence becomes one '?'; the byte that broke it (a line end, say) is read
        // again as the start of what follows.
        std::size_t k = 1;
        while (k < length && i + k < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            ++k;
        }
        if (length == 0 || k < length) {
            out += '?';
            i += k;
            continue;
        }
        out += byteOfCodePoint(cp);
        i += length;
    }
    return out;
}

} // namespace tp
