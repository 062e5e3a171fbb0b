#pragma once

#include "support/TemporaryFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace tp::test {

// Every plain file of `folder` (not those in its folders) with its bytes, to compare a folder
// before and after.
inline std::map<std::string, std::string> folderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> contents;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        contents[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), {});
    }
    return contents;
}

inline std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace tp::test
