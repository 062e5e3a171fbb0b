#include "platform/StoredFiles.h"

namespace tp {

void StoredFiles::noteRead(const std::filesystem::path& file, ReadResult result) {
    if (result == ReadResult::Unreadable)
        unreadable_.insert(file);
    else
        unreadable_.erase(file);
}

bool StoredFiles::mayReplace(const std::filesystem::path& file) const {
    return !unreadable_.contains(file);
}

std::optional<std::string> StoredFiles::failureToReport(const std::filesystem::path& file,
                                                        const WriteResult& result) {
    if (result || !firstFailureOf(file))
        return std::nullopt;
    const std::u8string name = file.u8string();
    return std::string(name.begin(), name.end()) +
           " konnte nicht gespeichert werden: " + result.reason;
}

bool StoredFiles::firstFailureOf(const std::filesystem::path& file) {
    return reported_.insert(file).second;
}

} // namespace tp
