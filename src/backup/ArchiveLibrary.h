#pragma once

#include "backup/BackupArchive.h"

namespace tp {

// The functions of the archive library, as its module hands them to the program.
struct ArchiveLibrary {
    decltype(&tp::sha256Hex) sha256Hex;
    decltype(&tp::manifestText) manifestText;
    decltype(&tp::packZip) packZip;
    decltype(&tp::packBackup) packBackup;
    decltype(&tp::unpackArchive) unpackArchive;
};

// The name of the module's one entry, a function returning its ArchiveLibrary.
inline constexpr const char* kArchiveLibraryEntry = "tpArchiveLibrary";

} // namespace tp
