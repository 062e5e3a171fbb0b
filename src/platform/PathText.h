#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tp {

// A path as UTF-8 text, and a path of UTF-8 text, whatever the system's own encoding of names.
inline std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

inline std::filesystem::path pathOfText(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

} // namespace tp
