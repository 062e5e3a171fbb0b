// The archive library of the window program: its module, loaded for each call. A backup or a
// restore makes one call, and the module's libraries are unloaded again after it.
#include "backup/ArchiveLibrary.h"
#include "platform/LoadedModule.h"

namespace tp {

namespace {

constexpr const char* kModuleName = "turnoplaner-archive";

// `use` of the loaded library, or `refuse` of the reason (German) when it cannot be loaded.
template <typename Use, typename Refuse> auto withArchiveLibrary(Use use, Refuse refuse) {
    const LoadedModule module(moduleFileName(kModuleName), moduleFolders());
    if (!module)
        return refuse(module.problem());
    using Entry = const ArchiveLibrary*();
    Entry* entry = module.function<Entry>(kArchiveLibraryEntry);
    if (!entry)
        return refuse("Der Programmteil \"" + moduleFileName(kModuleName) + "\" ist beschädigt.");
    return use(*entry());
}

} // namespace

std::string sha256Hex(std::string_view bytes) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) { return library.sha256Hex(bytes); },
        [](const std::string&) { return std::string(); });
}

std::string manifestText(const BackupManifest& manifest, const std::vector<BackupFile>& files) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) { return library.manifestText(manifest, files); },
        [](const std::string&) { return std::string(); });
}

std::optional<std::string> packZip(const std::vector<ZipEntry>& entries, std::string& problem) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) { return library.packZip(entries, problem); },
        [&](const std::string& reason) {
            problem = reason;
            return std::optional<std::string>();
        });
}

std::optional<std::string> packBackup(const BackupManifest& manifest,
                                      const std::vector<BackupFile>& files, std::string& problem) {
    return withArchiveLibrary(
        [&](const ArchiveLibrary& library) { return library.packBackup(manifest, files, problem); },
        [&](const std::string& reason) {
            problem = reason;
            return std::optional<std::string>();
        });
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
