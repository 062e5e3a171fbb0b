#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace tp {

inline constexpr const char* kDataRootName = "TPDaten";
inline constexpr const char* kDefaultUserName = "Programm";

struct DataFolders {
    std::filesystem::path dataRoot;   // "TPDaten" in the start folder
    std::filesystem::path userFolder; // one folder per user name inside the data root
};

// Creates (or reuses) the hidden data root in `startFolder` and the hidden folder of
// `userName` in it. Nothing when a folder cannot be created.
std::optional<DataFolders> prepareDataFolders(const std::filesystem::path& startFolder,
                                              const std::string& userName);

} // namespace tp
