#include "support/CommandLineRun.h"
#include "support/TemporaryFolder.h"

#include "BackupFolders.h"
#include "UserData.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

namespace fs = std::filesystem;

class BackupCommandTest : public ::testing::Test {
  protected:
    void SetUp() override { test::fillUserData(anna); }

    // What the reports print of the data in `folder`.
    std::vector<std::string> reportsOf(const fs::path& folder) {
        const std::string data = folder.string();
        std::vector<std::vector<std::string>> commands{
            {"notes", "2015-02-24", "--data", data},
            {"notes", "2015-04-01", "--data", data},
            {"note-marks", "2015-01-01", "2015-12-31", "--data", data},
            {"accounts", "--data", data, "--today", "2015-03-10"},
            {"ics", "2015-01-01", "2015-03-31", "--crew", "rot", "--data", data},
        };
        std::vector<std::string> outputs;
        for (const auto& command : commands) {
            const test::CliRun run = test::runCli(command);
            EXPECT_EQ(run.status, 0) << command[0] << ": " << run.err;
            outputs.push_back(run.out);
        }
        return outputs;
    }

    test::TemporaryFolder place;
    const fs::path anna = place.path() / "Anna";
    const std::string archive = (place.path() / "anna.zip").string();
};

TEST_F(BackupCommandTest, RoundTripPrintsTheSameReports) {
    const test::CliRun backup = test::runCli({"backup", "--data", anna.string(), "--out", archive});
    ASSERT_EQ(backup.status, 0) << backup.err;
    EXPECT_EQ(backup.out, "Gesichert: 10 Dateien in " + archive + "\n");
    const fs::path empty = place.path() / "Leer";
    const test::CliRun restore = test::runCli({"restore", archive, "--data", empty.string()});
    ASSERT_EQ(restore.status, 0) << restore.err;
    EXPECT_EQ(restore.out.rfind("Wiederhergestellt: 10 Dateien (Notizen 5, Schichtmarkierungen 3, "
                                "Kalendermarkierungen 2) aus der Sicherung von Anna vom ",
                                0),
              0u)
        << restore.out;
    const auto before = reportsOf(anna);
    EXPECT_NE(before[0], "");
    EXPECT_EQ(reportsOf(empty), before);
    for (const auto& [name, bytes] : test::folderContents(empty))
        EXPECT_EQ(test::fileBytes(anna / name), bytes) << name;
}

TEST_F(BackupCommandTest, DryRunSaysWhatItWouldDo) {
    ASSERT_EQ(test::runCli({"backup", "--data", anna.string(), "--out", archive}).status, 0);
    const auto before = test::folderContents(anna);
    const test::CliRun run =
        test::runCli({"restore", archive, "--data", anna.string(), "--dry-run"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Würde wiederherstellen: 10 Dateien"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Würde die bisherigen Daten vorher sichern in: "), std::string::npos);
    EXPECT_EQ(test::folderContents(anna), before);
}

struct FailingRun {
    const char* what;
    std::vector<std::string> (*arguments)(const std::string& data, const std::string& folder);
    int status;
    const char* line; // the start of the line on stderr
};

const FailingRun kFailingRuns[] = {
    {"backup without --out",
     [](const std::string& data, const std::string&) {
         return std::vector<std::string>{"backup", "--data", data};
     },
     2, "backup: Aufruf: turnoplaner-cli backup --data ORDNER --out DATEI.zip\n"},
    {"backup of no folder",
     [](const std::string&, const std::string& folder) {
         return std::vector<std::string>{"backup", "--data", folder + "/nichts", "--out",
                                         folder + "/a.zip"};
     },
     2, "backup: Der Datenordner"},
    {"backup into a missing folder's file that cannot be made",
     [](const std::string& data, const std::string& folder) {
         return std::vector<std::string>{"backup", "--data", data, "--out",
                                         folder + "/Anna/20150124.txt/a.zip"};
     },
     3, "backup: Die Datei \"a.zip\" konnte nicht geschrieben werden"},
    {"restore without archive",
     [](const std::string& data, const std::string&) {
         return std::vector<std::string>{"restore", "--data", data};
     },
     2, "restore: Aufruf: turnoplaner-cli restore DATEI.zip --data ORDNER [--dry-run]\n"},
    {"restore of a missing archive",
     [](const std::string& data, const std::string& folder) {
         return std::vector<std::string>{"restore", folder + "/fehlt.zip", "--data", data};
     },
     3, "restore: Die Sicherung \"fehlt.zip\" kann nicht gelesen werden: es gibt sie nicht.\n"},
    {"restore of a refused archive",
     [](const std::string& data, const std::string&) {
         return std::vector<std::string>{"restore", data + "/20150124.txt", "--data", data};
     },
     2,
     "restore: Die Sicherung \"20150124.txt\" wird nicht wiederhergestellt. Die Datei ist "
     "kein vollständiges ZIP-Archiv"},
};

class FailingRunTest : public BackupCommandTest,
                       public ::testing::WithParamInterface<FailingRun> {};

TEST_P(FailingRunTest, PrintsOneGermanLineAndExitsWithItsStatus) {
    const auto before = test::folderContents(anna);
    const test::CliRun run =
        test::runCli(GetParam().arguments(anna.string(), place.path().string()));
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_EQ(run.err.rfind(GetParam().line, 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(test::folderContents(anna), before);
}

INSTANTIATE_TEST_SUITE_P(Runs, FailingRunTest, ::testing::ValuesIn(kFailingRuns),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

} // namespace
} // namespace tp
