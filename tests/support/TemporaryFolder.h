#pragma once

#include <filesystem>
#include <string_view>

namespace tp::test {

// A fresh empty folder, removed with everything in it when the object goes.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes `bytes` as the file `name` in the folder.
    void put(const std::filesystem::path& name, std::string_view bytes) const;

  private:
    std::filesystem::path path_;
};

} // namespace tp::test
