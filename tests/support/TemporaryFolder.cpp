#include "TemporaryFolder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace tp::test {

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> counter{0};
    std::random_device random;
    // Test programs run side by side and may pick the same moment: a folder that exists already
    // is never shared, another name is tried.
    do {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("turnoplaner-test-" + std::to_string(stamp) + "-" + std::to_string(random()) +
                 "-" + std::to_string(counter++));
    } while (!std::filesystem::create_directory(path_));
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TemporaryFolder::put(const std::filesystem::path& name, std::string_view bytes) const {
    std::ofstream(path_ / name, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace tp::test
