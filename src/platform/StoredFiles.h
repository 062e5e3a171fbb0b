#pragma once

#include "platform/AtomicFile.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>

namespace tp {

// What one run knows of the user's stored files: a file that exists but could not be read is
// never replaced (the run goes on without its contents, and the user keeps his file), and a
// failed write of a file is told to the user only once.
class StoredFiles {
  public:
    void noteRead(const std::filesystem::path& file, ReadResult result);
    bool mayReplace(const std::filesystem::path& file) const;

    // The German message for a failed write of `file` the first time it fails; nothing when
    // it was written or the failure was told before.
    std::optional<std::string> failureToReport(const std::filesystem::path& file,
                                               const WriteResult& result);
    // Whether a failure to write `file` is still to be told: true the first time only.
    bool firstFailureOf(const std::filesystem::path& file);

  private:
    std::set<std::filesystem::path> unreadable_;
    std::set<std::filesystem::path> reported_;
};

} // namespace tp
