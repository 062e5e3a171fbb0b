#include "platform/DataFileRead.h"

namespace tp {

DataFileBytes readDataFile(const std::filesystem::path& path, std::uintmax_t largestSize) {
    DataFileBytes result;
    result.status = readFile(path, result.bytes, largestSize);
    if (result.status != DataFileStatus::Read)
        result.bytes.clear();
    return result;
}

} // namespace tp
