// The entry of the archive module the program loads at its first backup or restore.
#include "backup/ArchiveLibrary.h"
#include "platform/ModuleEntry.h"

TP_MODULE_EXPORT const tp::ArchiveLibrary* tpArchiveLibrary() {
    static const tp::ArchiveLibrary library{&tp::sha256Hex, &tp::manifestText, &tp::packZip,
                                            &tp::packBackup, &tp::unpackArchive};
    return &library;
}
