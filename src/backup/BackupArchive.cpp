#include "backup/BackupArchive.h"

#include "backup/BackupFiles.h"

#include <sodium.h>
#include <sys/stat.h>
#include <zip.h>

#include <map>
#include <memory>
#include <set>

namespace tp {

namespace {

constexpr std::string_view kManifestHeader = "Turnoplaner-Sicherung 1";
constexpr std::string_view kUserField = "Anwender: ";
constexpr std::string_view kTimeField = "Zeit: ";
constexpr std::string_view kVersionField = "Programmversion: ";
constexpr std::string_view kFileField = "Datei: ";
constexpr std::string_view kChecksumField = "Prüfsumme: ";

std::string libraryError(zip_error_t* error) {
    return std::string("Das Archiv konnte nicht gebildet werden: ") + zip_error_strerror(error);
}

// Why an entry's name must not be unpacked into a folder; empty when it stays inside.
std::string unsafeNameProblem(std::string_view name) {
    if (name.empty())
        return "Das Archiv enthält einen Eintrag ohne Namen.";
    const bool absolute =
        name.front() == '/' || name.front() == '\\' || (name.size() >= 2 && name[1] == ':');
    if (absolute)
        return "Das Archiv enthält einen absoluten Pfad: " + quotedName(name) + ".";
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = name.find_first_of("/\\", start);
        const std::string_view part = name.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (part == "..")
            return "Das Archiv enthält einen Namen, der aus dem Ordner hinausführt: " +
                   quotedName(name) + ".";
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    if (name.find('\\') != std::string_view::npos)
        return "Das Archiv enthält einen Namen mit umgekehrtem Schrägstrich: " + quotedName(name) +
               ".";
    return {};
}

bool isLinkEntry(zip_t* archive, zip_uint64_t index) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

// The whole entry, its checksum checked by the library; nothing when it cannot be unpacked.
std::optional<std::string> entryBytes(zip_t* archive, zip_uint64_t index, zip_uint64_t size) {
    std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen_index(archive, index, 0),
                                                            &zip_fclose);
    if (!file)
        return std::nullopt;
    std::string bytes(size, '\0');
    zip_uint64_t done = 0;
    while (done < size) {
        const zip_int64_t read = zip_fread(file.get(), bytes.data() + done, size - done);
        if (read <= 0)
            return std::nullopt;
        done += static_cast<zip_uint64_t>(read);
    }
    // Reading past the end makes the library compare the CRC.
    char beyond = 0;
    if (zip_fread(file.get(), &beyond, 1) != 0)
        return std::nullopt;
    return bytes;
}

struct ManifestEntry {
    std::string checksum;
    std::uint64_t size = 0;
};

struct ParsedManifest {
    BackupManifest manifest;
    std::map<std::string, ManifestEntry> files;
};

std::optional<ParsedManifest> parseManifest(std::string_view text) {
    const std::size_t checksumAt = text.rfind(kChecksumField);
    if (checksumAt == std::string_view::npos || (checksumAt > 0 && text[checksumAt - 1] != '\n'))
        return std::nullopt;
    const std::string_view body = text.substr(0, checksumAt);
    if (text.substr(checksumAt) != std::string(kChecksumField) + sha256Hex(body) + "\n")
        return std::nullopt;
    ParsedManifest parsed;
    std::size_t lineStart = 0;
    int lineNumber = 0;
    while (lineStart < body.size()) {
        const std::size_t lineEnd = body.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = body.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        ++lineNumber;
        if (lineNumber == 1) {
            if (line != kManifestHeader)
                return std::nullopt;
        } else if (line.starts_with(kUserField)) {
            parsed.manifest.userName = line.substr(kUserField.size());
        } else if (line.starts_with(kTimeField)) {
            parsed.manifest.time = line.substr(kTimeField.size());
        } else if (line.starts_with(kVersionField)) {
            parsed.manifest.programVersion = line.substr(kVersionField.size());
        } else if (line.starts_with(kFileField)) {
            const std::string_view rest = line.substr(kFileField.size());
            const std::size_t afterChecksum = rest.find(' ');
            const std::size_t afterSize = afterChecksum == std::string_view::npos
                                              ? std::string_view::npos
                                              : rest.find(' ', afterChecksum + 1);
            if (afterSize == std::string_view::npos || afterChecksum != 64)
                return std::nullopt;
            ManifestEntry entry;
            entry.checksum = rest.substr(0, afterChecksum);
            const std::string sizeText(
                rest.substr(afterChecksum + 1, afterSize - afterChecksum - 1));
            if (sizeText.empty() || sizeText.find_first_not_of("0123456789") != std::string::npos)
                return std::nullopt;
            entry.size = std::stoull(sizeText);
            if (!parsed.files.emplace(std::string(rest.substr(afterSize + 1)), entry).second)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (lineNumber == 0)
        return std::nullopt;
    return parsed;
}

// The checks of one archive, opened by the library.
UnpackedBackup checkedContents(zip_t* archive, DataFileNameTest isDataFileName) {
    UnpackedBackup result;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    struct Entry {
        zip_uint64_t index;
        std::string name;
        zip_uint64_t size;
    };
    std::vector<Entry> entries;
    std::set<std::string> names;
    std::uint64_t total = 0;
    bool hasManifest = false;
    // Names, links and sizes first: nothing is unpacked from an archive that fails them.
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* rawName = zip_get_name(archive, index, ZIP_FL_ENC_GUESS);
        zip_stat_t stat;
        if (!rawName || zip_stat_index(archive, index, 0, &stat) != 0) {
            result.refusal = "Das Inhaltsverzeichnis des Archivs ist beschädigt.";
            return result;
        }
        const std::string name(rawName);
        if (std::string problem = unsafeNameProblem(name); !problem.empty()) {
            result.refusal = std::move(problem);
            return result;
        }
        if (isLinkEntry(archive, index)) {
            result.refusal = "Der Eintrag " + quotedName(name) + " ist eine Verknüpfung.";
            return result;
        }
        if (!names.insert(name).second) {
            result.refusal = "Der Eintrag " + quotedName(name) + " kommt im Archiv zweimal vor.";
            return result;
        }
        if (stat.size > kLargestUnpackedSize || total + stat.size > kLargestUnpackedSize) {
            result.refusal = "Das Archiv würde entpackt größer als 1 GiB.";
            return result;
        }
        total += stat.size;
        if (stat.size > kLargestPackingRatio * stat.comp_size) {
            result.refusal = "Der Eintrag " + quotedName(name) +
                             " würde entpackt mehr als das 1000-fache seiner gepackten Größe.";
            return result;
        }
        hasManifest = hasManifest || name == kManifestName;
        entries.push_back({index, name, stat.size});
    }
    if (!hasManifest) {
        result.refusal = "Das Archiv ist keine Sicherung von Turnoplaner: der Inhaltsnachweis " +
                         quotedName(kManifestName) + " fehlt.";
        return result;
    }
    for (const Entry& entry : entries)
        if (entry.name != kManifestName && !isDataFileName(entry.name)) {
            result.refusal =
                "Der Eintrag " + quotedName(entry.name) + " ist keine Datendatei von Turnoplaner.";
            return result;
        }

    std::optional<ParsedManifest> manifest;
    for (const Entry& entry : entries) {
        std::optional<std::string> bytes = entryBytes(archive, entry.index, entry.size);
        if (!bytes) {
            result.refusal = "Der Eintrag " + quotedName(entry.name) +
                             " ist beschädigt und kann nicht entpackt werden.";
            return result;
        }
        if (entry.name == kManifestName) {
            manifest = parseManifest(*bytes);
            if (!manifest) {
                result.refusal = "Der Inhaltsnachweis der Sicherung ist verändert oder beschädigt.";
                return result;
            }
        } else {
            result.files.push_back({entry.name, std::move(*bytes)});
        }
    }
    for (const BackupFile& file : result.files) {
        const auto listed = manifest->files.find(file.name);
        if (listed == manifest->files.end()) {
            result.refusal = "Die Datei " + quotedName(file.name) +
                             " steht nicht im Inhaltsnachweis der Sicherung.";
            break;
        }
        if (listed->second.size != file.bytes.size() ||
            listed->second.checksum != sha256Hex(file.bytes)) {
            result.refusal = "Die Datei " + quotedName(file.name) +
                             " ist beschädigt: ihre Prüfsumme stimmt nicht.";
            break;
        }
    }
    if (result.ok() && manifest->files.size() != result.files.size())
        for (const auto& [name, listed] : manifest->files)
            if (!names.contains(name)) {
                result.refusal = "Die Datei " + quotedName(name) + " fehlt im Archiv.";
                break;
            }
    if (!result.ok())
        result.files.clear();
    else
        result.manifest = std::move(manifest->manifest);
    return result;
}

} // namespace

std::string sha256Hex(std::string_view bytes) {
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * sizeof digest);
    for (const unsigned char byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0xF];
    }
    return hex;
}

std::string manifestText(const BackupManifest& manifest, const std::vector<BackupFile>& files) {
    std::string text;
    text += std::string(kManifestHeader) + "\n";
    text += std::string(kUserField) + manifest.userName + "\n";
    text += std::string(kTimeField) + manifest.time + "\n";
    text += std::string(kVersionField) + manifest.programVersion + "\n";
    for (const BackupFile& file : files)
        text += std::string(kFileField) + sha256Hex(file.bytes) + " " +
                std::to_string(file.bytes.size()) + " " + file.name + "\n";
    text += std::string(kChecksumField) + sha256Hex(text) + "\n";
    return text;
}

std::optional<std::string> packZip(const std::vector<ZipEntry>& entries, std::string& problem) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) {
        problem = libraryError(&error);
        zip_error_fini(&error);
        return std::nullopt;
    }
    // The buffer outlives the archive: the packed bytes are taken from it after closing.
    zip_source_keep(buffer);
    std::unique_ptr<zip_source_t, decltype(&zip_source_free)> kept(buffer, &zip_source_free);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    if (!archive) {
        problem = libraryError(&error);
        zip_error_fini(&error);
        return std::nullopt;
    }
    for (const ZipEntry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index =
            source ? zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            if (source)
                zip_source_free(source);
            problem = libraryError(zip_get_error(archive));
            zip_discard(archive);
            return std::nullopt;
        }
        zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0,
                                         ZIP_OPSYS_UNIX, entry.unixMode << 16);
        if (!entry.compressed)
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0) {
        problem = libraryError(zip_get_error(archive));
        zip_discard(archive);
        return std::nullopt;
    }
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) != 0 || zip_source_open(buffer) != 0) {
        problem = libraryError(zip_source_error(buffer));
        return std::nullopt;
    }
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_source_read(buffer, bytes.data(), bytes.size());
    zip_source_close(buffer);
    if (read != static_cast<zip_int64_t>(bytes.size())) {
        problem = libraryError(zip_source_error(buffer));
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::string> packBackup(const BackupManifest& manifest,
                                      const std::vector<BackupFile>& files, std::string& problem) {
    std::vector<ZipEntry> entries;
    entries.reserve(files.size() + 1);
    entries.push_back({kManifestName, manifestText(manifest, files)});
    // Notes are enciphered and small: deflating each would cost more than it saves.
    constexpr std::size_t kSmallestDeflated = 4096;
    for (const BackupFile& file : files)
        entries.push_back({file.name, file.bytes, 0100644, file.bytes.size() >= kSmallestDeflated});
    return packZip(entries, problem);
}

UnpackedBackup unpackArchive(std::string_view archiveBytes, DataFileNameTest isDataFileName) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(archiveBytes.data(), archiveBytes.size(), 0, &error);
    zip_t* archive =
        source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        UnpackedBackup refused;
        refused.refusal = "Die Datei ist kein vollständiges ZIP-Archiv: sie ist beschädigt oder "
                          "abgeschnitten.";
        return refused;
    }
    UnpackedBackup result = checkedContents(archive, isDataFileName);
    zip_discard(archive); // frees the source too
    return result;
}

} // namespace tp
