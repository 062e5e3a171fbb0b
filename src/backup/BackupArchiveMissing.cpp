#include "backup/BackupArchive.h"

// A build without libzip and libsodium: no archive is made or read.

namespace tp {

namespace {
constexpr const char* kMissing =
    "Sicherungen sind in dieser Ausgabe des Programms nicht enthalten.";
}

std::string sha256Hex(std::string_view) {
    return {};
}

std::string manifestText(const BackupManifest&, const std::vector<BackupFile>&) {
    return {};
}

std::optional<std::string> packZip(const std::vector<ZipEntry>&, std::string& problem) {
    problem = kMissing;
    return std::nullopt;
}

std::optional<std::string> packBackup(const BackupManifest&, const std::vector<BackupFile>&,
                                      std::string& problem) {
    problem = kMissing;
    return std::nullopt;
}

UnpackedBackup unpackArchive(std::string_view, DataFileNameTest) {
    UnpackedBackup refused;
    refused.refusal = kMissing;
    return refused;
}

} // namespace tp
