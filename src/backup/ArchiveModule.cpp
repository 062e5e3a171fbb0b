// The entry of the archive module the program loads at its first backup or restore.
#include "backup/ArchiveLibrary.h"

#ifdef _WIN32
#define TP_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TP_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

TP_MODULE_EXPORT const tp::ArchiveLibrary* tpArchiveLibrary() {
    static const tp::ArchiveLibrary library{&tp::sha256Hex, &tp::manifestText, &tp::packZip,
                                            &tp::packBackup, &tp::unpackArchive};
    return &library;
}
