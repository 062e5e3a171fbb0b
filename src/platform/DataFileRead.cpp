#include "platform/DataFileRead.h"

#include "platform/AtomicFile.h"

#include <system_error>

namespace tp {

DataFileBytes readDataFile(const std::filesystem::path& path, std::uintmax_t largestSize) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return {DataFileStatus::Missing, {}};
    if (error || status.type() != std::filesystem::file_type::regular)
        return {DataFileStatus::Unreadable, {}};
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > largestSize)
        return {DataFileStatus::Unreadable, {}};
    DataFileBytes result{DataFileStatus::Read, {}};
    if (!readWholeFile(path, result.bytes))
        return {DataFileStatus::Unreadable, {}};
    return result;
}

} // namespace tp
