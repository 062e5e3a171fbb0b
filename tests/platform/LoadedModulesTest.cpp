// The window program takes the archive library and the reading of the server's answers from
// modules loaded when first needed. Through them it gets what the command line gets from the
// linked libraries; without them it is told why, and nothing breaks.
#include "backup/BackupArchive.h"
#include "caldav/Multistatus.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tp {
namespace {

const BackupManifest kManifest{"Anna", "2026-12-08 10:00:00", "0.1"};
const std::vector<BackupFile> kFiles{{"Schichtmarkierung.dat", std::string("\x01\x00\x02", 3)},
                                     {"Kalendermarkierung.dat", "Balken"}};
constexpr const char* kAnswer = "<d:multistatus xmlns:d=\"DAV:\"><d:response><d:href>/k/</d:href>"
                                "<d:status>HTTP/1.1 200 OK</d:status></d:response></d:multistatus>";

TEST(LoadedModules, BackupsAndServerAnswersWorkThroughTheModules) {
    std::string problem;
    const auto packed = packBackup(kManifest, kFiles, problem);
    ASSERT_TRUE(packed) << problem;
    const UnpackedBackup unpacked = unpackBackup(*packed);
    ASSERT_TRUE(unpacked.ok()) << unpacked.refusal;
    EXPECT_EQ(unpacked.manifest.userName, "Anna");
    ASSERT_EQ(unpacked.files.size(), kFiles.size());
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        EXPECT_EQ(unpacked.files[i].name, kFiles[i].name);
        EXPECT_EQ(unpacked.files[i].bytes, kFiles[i].bytes);
    }
    const auto resources = caldav::parseMultistatus(kAnswer);
    ASSERT_TRUE(resources);
    ASSERT_EQ(resources->size(), 1u);
    EXPECT_EQ(resources->front().href, "/k/");
    EXPECT_EQ(resources->front().status, 200);
}

TEST(LoadedModules, AMissingModuleIsToldAndRefusesEverything) {
    const test::TemporaryFolder empty;
    ::setenv("TURNOPLANER_MODULE_DIR", empty.path().c_str(), 1);
    const std::string told = "Der Programmteil \"libturnoplaner-archive.so\" kann nicht geladen "
                             "werden: er ist nicht installiert.";
    std::string problem;
    EXPECT_FALSE(packBackup(kManifest, kFiles, problem));
    EXPECT_EQ(problem, told);
    EXPECT_EQ(unpackBackup("PK").refusal, told);
    EXPECT_FALSE(caldav::parseMultistatus(kAnswer));
}

} // namespace
} // namespace tp
