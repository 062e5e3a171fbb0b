#pragma once

#include "platform/AtomicFile.h"

#include <filesystem>
#include <string_view>

namespace tp {

// Writes a report to the file a user named: a plain file (or a missing one) is replaced whole as
// by writeFileAtomically; a symbolic link has its target written, the link stays; a pipe or a
// device (a FIFO, /dev/stdout) is written directly, never replaced by a file. A name that ends
// in a separator or names a folder is refused with EISDIR.
WriteResult writeOutputFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace tp
