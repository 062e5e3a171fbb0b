#pragma once

#include "backup/BackupFiles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

// One file of a backup: its name in the data folder and its bytes, exactly as on the disk.
struct BackupFile {
    std::string name;
    std::string bytes;
};

// What a backup says about itself besides its files.
struct BackupManifest {
    std::string userName;       // UTF-8
    std::string time;           // "YYYY-MM-DD HH:MM:SS", local time of the backup
    std::string programVersion; // of the program that wrote it
};

// A backup as checked: every name, size and checksum found right.
struct UnpackedBackup {
    BackupManifest manifest;
    std::vector<BackupFile> files; // in the order of the archive
    std::string refusal;           // German; set when the archive is not taken
    bool ok() const { return refusal.empty(); }
};

// The name of the manifest inside the archive; never the name of a data file.
inline constexpr const char* kManifestName = "Turnoplaner-Sicherung.txt";
// What a restore unpacks at most: the whole, and the ratio of one entry to its packed size.
inline constexpr std::uint64_t kLargestUnpackedSize = std::uint64_t{1} << 30;
inline constexpr std::uint64_t kLargestPackingRatio = 1000;

// The SHA-256 of `bytes` as 64 lower-case hex digits.
std::string sha256Hex(std::string_view bytes);

// The manifest file of `manifest` and `files`, its own checksum on its last line.
std::string manifestText(const BackupManifest& manifest, const std::vector<BackupFile>& files);

// One entry of a ZIP archive; `unixMode` (file type and permissions) is stored as the entry's
// Unix attributes.
struct ZipEntry {
    std::string name;
    std::string bytes;
    std::uint32_t unixMode = 0100644;
    bool compressed = true; // deflated, or stored as it is
};

// The ZIP archive of `entries`; nothing (with `problem`, German) when the library
// fails.
std::optional<std::string> packZip(const std::vector<ZipEntry>& entries, std::string& problem);

// The archive of a backup: `files` under their own names and the manifest.
std::optional<std::string> packBackup(const BackupManifest& manifest,
                                      const std::vector<BackupFile>& files, std::string& problem);

// Whether a name inside an archive is that of a data file.
using DataFileNameTest = bool (*)(std::string_view name);

// Checks a whole archive before anything is taken from it: names, sizes, the manifest and
// every checksum; only names that pass `isDataFileName` are taken.
UnpackedBackup unpackArchive(std::string_view archive, DataFileNameTest isDataFileName);

// unpackArchive taking the names of the program's data files.
inline UnpackedBackup unpackBackup(std::string_view archive) {
    return unpackArchive(archive, isBackupDataFileName);
}

// These functions are those of the archive library, the backups' part that needs libzip and
// libsodium. The command line links it; the program loads it at its first backup or restore
// (LoadedBackupArchive.cpp), so that its start does not load those libraries and OpenSSL.

} // namespace tp
