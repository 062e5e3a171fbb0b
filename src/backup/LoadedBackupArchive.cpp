// The archive library of the window program: its module, loaded for each call. A backup or a
// restore makes one call.
#include "backup/ArchiveLibrary.h"
#include "platform/LoadedModule.h"

namespace tp {

namespace {

// `use` of the loaded library, or `refuse` of the reason (German) when it cannot be loaded.
template <typename Use, typename Refuse> auto withArchiveLibrary(Use use, Refuse refuse) {
    LoadedModule module(moduleFileName("turnoplaner-archive"), moduleFolders());
    using Entry = const ArchiveLibrary*();
    Entry* entry = module.entry<Entry>(kArchiveLibraryEntry);
    if (!entry)
        return refuse(module.problem());
    return use(*entry());
}

// Refusals: a text that is not made, and an archive that is not, `problem` saying why.
std::string noText(const std::string&) {
    return {};
}

auto noArchive(std::string& problem) {
    return [&problem](const std::string& reason) {
        problem = reason;
        return std::optional<std::string>();
    };
}

} // namespace

std::string sha256Hex(std::string_view bytes) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) { return library.sha256Hex(bytes); }, noText);
}

std::string manifestText(const BackupManifest& manifest, const std::vector<BackupFile>& files) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) { return library.manifestText(manifest, files); },
        noText);
}

std::optional<std::string> packZip(const std::vector<ZipEntry>& entries, std::string& problem) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) { return library.packZip(entries, problem); },
        noArchive(problem));
}

std::optional<std::string> packBackup(const BackupManifest& manifest,
                                      const std::vector<BackupFile>& files, std::string& problem) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) { return library.packBackup(manifest, files, problem); },
        noArchive(problem));
}

UnpackedBackup unpackArchive(std::string_view archive, DataFileNameTest isDataFileName) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) {
            return library.unpackArchive(archive, isDataFileName);
        },
        [](const std::string& reason) {
            UnpackedBackup refused;
            refused.refusal = reason;
            return refused;
        });
}

} // namespace tp
