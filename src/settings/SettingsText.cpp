#include "settings/SettingsText.h"

#include "platform/Windows1252.h"

namespace tp {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view skipLeadingBlanks(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    return text.substr(start);
}

std::string_view dropTrailingBlanks(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

char foldByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'A' && byte <= 'Z')
        return static_cast<char>(byte + 0x20);
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) // À..Þ except the multiplication sign
        return static_cast<char>(byte + 0x20);
    switch (byte) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<char>(byte + 0x10);
    case 0x9F: // Ÿ
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

// A value line must not carry a line end into the file.
std::string withoutLineEnds(std::string_view text) {
    std::string cleaned(text);
    for (char& c : cleaned)
        if (c == '\r' || c == '\n')
            c = ' ';
    return cleaned;
}

} // namespace

std::string foldSettingsName(std::string_view windows1252) {
    std::string folded(windows1252);
    for (char& c : folded)
        c = foldByte(c);
    return folded;
}

void scanSettingsText(std::string_view fileBytes,
                      const std::function<void(const SettingsValueLine&)>& onValueLine) {
    const bool utf8 = fileBytes.starts_with(kUtf8ByteOrderMark);
    if (utf8)
        fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
    std::string group;
    std::string converted;
    std::size_t lineStart = 0;
    while (lineStart < fileBytes.size()) {
        // Line ends are found in the bytes as they stand, so that nothing before a line end
        // (a broken UTF-8 sequence, say) can carry a value into the next line.
        std::size_t lineEnd = fileBytes.find_first_of("\r\n", lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = fileBytes.size();
        std::string_view line = fileBytes.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (utf8) {
            converted = windows1252FromUtf8(line);
            line = converted;
        }
        line = skipLeadingBlanks(line);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            group = foldSettingsName(line.substr(1, close == line.npos ? line.npos : close - 1));
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string key = foldSettingsName(dropTrailingBlanks(line.substr(0, equals)));
        const std::string_view value =
            equals == line.npos ? std::string_view{} : skipLeadingBlanks(line.substr(equals + 1));
        onValueLine({group, key, value});
    }
}

void SettingsTextWriter::group(std::string_view name) {
    line("[" + std::string(name) + "]");
}

void SettingsTextWriter::value(std::string_view key, std::string_view value) {
    line(std::string(key) + " = " + withoutLineEnds(value));
}

void SettingsTextWriter::comment(std::string_view text) {
    line("; " + withoutLineEnds(text));
}

void SettingsTextWriter::line(std::string_view text) {
    bytes_ += windows1252FromUtf8(text);
    bytes_ += "\r\n";
}

} // namespace tp
