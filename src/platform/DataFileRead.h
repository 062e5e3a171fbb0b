#pragma once

#include "platform/AtomicFile.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace tp {

// What became of reading a personal data file. A file that exists but could not be read (no
// permission, an I/O error, not a plain file, or an absurd size) must never be written over:
// the caller keeps it as it is and tells the user.
using DataFileStatus = ReadResult;

struct DataFileBytes {
    DataFileStatus status = DataFileStatus::Missing;
    std::string bytes; // empty unless read
};

// Reads the whole of `path` when it is a plain file of at most `largestSize` bytes.
DataFileBytes readDataFile(const std::filesystem::path& path, std::uintmax_t largestSize);

} // namespace tp
