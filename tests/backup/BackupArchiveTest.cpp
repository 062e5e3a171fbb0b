#include "backup/BackupArchive.h"
#include "backup/Backup.h"
#include "backup/BackupFiles.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include "BackupFolders.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

namespace fs = std::filesystem;

const BackupManifest kManifest{"Anna", "2024-03-01 12:00:00", "0.1"};

std::vector<BackupFile> someFiles() {
    return {{"Einstellungen.dat", "[Anwender]\r\nName=Anna\r\n"},
            {"20240301.txt", std::string("\x01\x02\x03 enciphered", 14)},
            {"Schichtmarkierung.dat", std::string(12, '\x07')}};
}

std::vector<ZipEntry> entriesOf(const std::string& manifest, const std::vector<BackupFile>& files) {
    std::vector<ZipEntry> entries{{kManifestName, manifest}};
    for (const BackupFile& file : files)
        entries.push_back({file.name, file.bytes});
    return entries;
}

std::string zipOf(const std::vector<ZipEntry>& entries) {
    std::string problem;
    const auto packed = packZip(entries, problem);
    EXPECT_TRUE(packed) << problem;
    return packed.value_or("");
}

// A backup whose files and manifest are right, with one more entry.
std::string withEntry(ZipEntry extra) {
    std::vector<ZipEntry> entries = entriesOf(manifestText(kManifest, someFiles()), someFiles());
    entries.push_back(std::move(extra));
    return zipOf(entries);
}

std::uint32_t littleEndian32(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint8_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24;
}

void putLittleEndian32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// The archive with the unpacked size of `name` claimed as `size` in its local and central
// headers, as a crafted archive would claim it.
std::string claimingSize(std::string archive, const std::string& name, std::uint32_t size) {
    for (std::size_t at = 0; at + 46 < archive.size(); ++at) {
        const std::uint32_t signature = littleEndian32(archive, at);
        const bool local = signature == 0x04034b50;
        const bool central = signature == 0x02014b50;
        if (!local && !central)
            continue;
        const std::size_t nameAt = at + (local ? 30 : 46);
        const std::size_t nameLength = static_cast<std::uint8_t>(archive[at + (local ? 26 : 28)]) |
                                       static_cast<std::uint8_t>(archive[at + (local ? 27 : 29)])
                                           << 8;
        if (archive.compare(nameAt, nameLength, name) == 0)
            putLittleEndian32(archive, at + (local ? 22 : 24), size);
    }
    return archive;
}

struct RefusedArchive {
    const char* what;
    std::string (*archive)();
    const char* refusal; // a part of the message
};

const RefusedArchive kRefusedArchives[] = {
    {"truncated",
     [] {
         const std::string whole =
             zipOf(entriesOf(manifestText(kManifest, someFiles()), someFiles()));
         return whole.substr(0, whole.size() / 2);
     },
     "kein vollständiges ZIP-Archiv"},
    {"one byte of a file flipped",
     [] {
         std::vector<BackupFile> files = someFiles();
         const std::string manifest = manifestText(kManifest, files);
         files[1].bytes[3] ^= 0x20;
         return zipOf(entriesOf(manifest, files));
     },
     "\"20240301.txt\" ist beschädigt: ihre Prüfsumme stimmt nicht"},
    {"one byte of the packed archive flipped",
     [] {
         std::string bytes = zipOf(entriesOf(manifestText(kManifest, someFiles()), someFiles()));
         const std::size_t at = bytes.find("Einstellungen.dat") + 20;
         bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
         return bytes;
     },
     "Einstellungen.dat"},
    {"manifest changed",
     [] {
         std::string manifest = manifestText(kManifest, someFiles());
         manifest.replace(manifest.find("Anna"), 4, "Bert");
         return zipOf(entriesOf(manifest, someFiles()));
     },
     "Der Inhaltsnachweis der Sicherung ist verändert oder beschädigt."},
    {"file missing from the archive",
     [] {
         std::vector<BackupFile> files = someFiles();
         const std::string manifest = manifestText(kManifest, files);
         files.pop_back();
         return zipOf(entriesOf(manifest, files));
     },
     "Die Datei \"Schichtmarkierung.dat\" fehlt im Archiv."},
    {"../x",
     [] {
         return withEntry({"../x", "x"});
     },
     "aus dem Ordner hinausführt: \"../x\""},
    {"/etc/x",
     [] {
         return withEntry({"/etc/x", "x"});
     },
     "absoluten Pfad: \"/etc/x\""},
    {"a/../../x",
     [] {
         return withEntry({"a/../../x", "x"});
     },
     "hinausführt: \"a/../../x\""},
    {"backslash",
     [] {
         return withEntry({"..\\x", "x"});
     },
     "hinausführt: \"..\\x\""},
    {"link entry",
     [] {
         return withEntry({"Urlaubstage.dat", "/etc/passwd", 0120777});
     },
     "Der Eintrag \"Urlaubstage.dat\" ist eine Verknüpfung."},
    {"not a data file",
     [] {
         return withEntry({"Notizen.exe", "x"});
     },
     "Der Eintrag \"Notizen.exe\" ist keine Datendatei von Turnoplaner."},
    {"temporary file",
     [] {
         return withEntry({"Urlaubstage.dat.0123456789abcdef.neu", "x"});
     },
     "ist keine Datendatei"},
    {"entry claiming more than 1 GiB",
     [] {
         return claimingSize(zipOf(entriesOf(manifestText(kManifest, someFiles()), someFiles())),
                             "Schichtmarkierung.dat", 0xF0000000u);
     },
     "größer als 1 GiB"},
    {"entry unpacking to more than 1000 times its size",
     [] {
         return withEntry({"Minusstunden.dat", std::string(20 << 20, '\0')});
     },
     "mehr als das 1000-fache"},
    {"archive of another program",
     [] {
         return zipOf({{"README.md", "# Projekt"}, {"src/main.c", "int main(){}"}});
     },
     "keine Sicherung von Turnoplaner"},
};

class RefusedArchiveTest : public ::testing::TestWithParam<RefusedArchive> {};

TEST_P(RefusedArchiveTest, IsRefusedSayingWhyAndNothingInTheFolderChanges) {
    test::TemporaryFolder place;
    const fs::path folder = place.path() / "Anna";
    fs::create_directories(folder);
    place.put("Anna/Einstellungen.dat", "alt");
    place.put("Anna/20230101.txt", "alte Notiz");
    place.put("Anna/Urlaubstage.dat", "12345678");
    place.put("sicherung.zip", GetParam().archive());
    const auto before = test::folderContents(folder);

    test::TestStore store;
    const RestoreDone done =
        restoreBackup(store, place.path() / "sicherung.zip", {folder, folder, "Anna"}, place.path(),
                      kManifest, {2024, 3, 2, 8, 0, 0}, false);

    EXPECT_EQ(done.failure, BackupFailure::Refused);
    EXPECT_NE(done.problem.find(GetParam().refusal), std::string::npos) << done.problem;
    EXPECT_EQ(done.problem.find("Die Sicherung \"sicherung.zip\" wird nicht wiederhergestellt."),
              0u)
        << done.problem;
    EXPECT_EQ(test::folderContents(folder), before);
    EXPECT_EQ(test::folderContents(place.path()).size(), 1u) << "no backup of the old data";
}

INSTANTIATE_TEST_SUITE_P(Archives, RefusedArchiveTest, ::testing::ValuesIn(kRefusedArchives),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : std::string(info.param.what))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(BackupArchiveTest, UnpacksWhatWasPackedWithItsManifest) {
    std::string problem;
    const auto packed = packBackup(kManifest, someFiles(), problem);
    ASSERT_TRUE(packed) << problem;
    const UnpackedBackup unpacked = unpackBackup(*packed);
    ASSERT_TRUE(unpacked.ok()) << unpacked.refusal;
    EXPECT_EQ(unpacked.manifest.userName, "Anna");
    EXPECT_EQ(unpacked.manifest.time, "2024-03-01 12:00:00");
    EXPECT_EQ(unpacked.manifest.programVersion, "0.1");
    ASSERT_EQ(unpacked.files.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(unpacked.files[i].name, someFiles()[i].name);
        EXPECT_EQ(unpacked.files[i].bytes, someFiles()[i].bytes);
    }
}

TEST(BackupArchiveTest, ChecksumIsSha256) {
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

struct NamedFile {
    const char* name;
    bool backedUp;
};

const NamedFile kNames[] = {
    {"Einstellungen.dat", true},
    {"Schichtmarkierung.dat", true},
    {"Kalendermarkierung.dat", true},
    {"Minusstunden.dat", true},
    {"Urlaubstage.dat", true},
    {"20161124.txt", true},
    {"16490.14.tnt", true},
    {"1124.jnt", true},
    {"11224.wmt", true},
    {"TPSperre.lck", false},
    {"20161124.txt.0123456789abcdef.neu", false},
    {"Notizen.txt", false},
    {"020161124.txt", false},
    {"Einstellungen.dat.bak", false},
    {"Sicherungen", false},
};

TEST(BackupFilesTest, TakesTheProgramsDataFilesOnly) {
    for (const NamedFile& file : kNames)
        EXPECT_EQ(isBackupDataFileName(file.name), file.backedUp) << file.name;
}

} // namespace
} // namespace tp
