#include "cli/Commands.h"
#include "notes/NoteFiles.h"
#include "support/TemporaryFolder.h"
#include "support/TestStore.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tp::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class NotesCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        NoteIndexes indexes;
        const auto write = [&](NoteKind kind, const std::string& name, const std::string& text,
                               const std::string& password) {
            ASSERT_TRUE(
                writeNoteFile(test::TestStore{}, folder.path(), indexes, kind, name, text, password)
                    .ok);
        };
        write(NoteKind::Day, "20150124.txt", "Zahnarzt\r\n10 Uhr", "geheim");
        write(NoteKind::Yearly, "124.jnt", "Anna <1980>. Geburtstag", "geheim");
        write(NoteKind::Periodic, "26.14.tnt", "Müll", "geheim"); // 2015-02-24 is day 16490
        write(NoteKind::WeekdayInMonth, "11224.wmt", "letzter Dienstag", "geheim");
    }

    CliRun notes(std::vector<std::string> arguments, const std::string& input = "") {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = runNotesCommand(arguments, in, out, err);
        return {status, out.str(), err.str()};
    }
    CliRun run(std::vector<std::string> arguments) {
        std::ostringstream out, err;
        const int status = runCommandLine(arguments, out, err);
        return {status, out.str(), err.str()};
    }
    std::string data() const { return folder.path().string(); }

    test::TemporaryFolder folder;
};

TEST_F(NotesCommandTest, PrintsTheNotesOfTheDayExactly) {
    const CliRun window =
        notes({"2015-02-24", "--data", data(), "--password-stdin"}, "geheim\nmore");
    ASSERT_EQ(window.status, 0) << window.err;
    EXPECT_EQ(window.out, "Zahnarzt\r\n10 Uhr\r\n\r\nMüll\r\n\r\nAnna 35. Geburtstag\r\n\r\n"
                          "letzter Dienstag");

    const CliRun status = notes(
        {"2015-02-24", "--status-line", "--data=" + data(), "--password-stdin"}, "geheim\r\n");
    EXPECT_EQ(status.out, "Zahnarzt\u00A0»\u00A010 Uhr\u00A0|\u00A0Müll\u00A0|\u00A0"
                          "Anna 35. Geburtstag\u00A0|\u00A0letzter Dienstag");

    const CliRun empty = notes({"2015-02-23", "--data", data()});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    // Without the password the stored digits show: 'A' ^ 'g' = 38.
    EXPECT_EQ(notes({"2016-02-24", "--data", data()}).out.substr(0, 3), "038");
}

// Read with a wrong password, a note's control characters show as U+FFFD, never raw.
TEST_F(NotesCommandTest, UnreadableCharactersShowAsReplacementCharacters) {
    for (const bool statusLine : {false, true}) {
        std::vector<std::string> arguments{"2015-02-24", "--data", data(), "--password-stdin"};
        if (statusLine)
            arguments.push_back("--status-line");
        const CliRun result = notes(arguments, "falsch\n");
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find("\uFFFD"), std::string::npos) << result.out;
        EXPECT_TRUE(std::none_of(result.out.begin(), result.out.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 && c != '\r' && c != '\n' && c != '\t';
        })) << result.out;
    }
}

// A folder that cannot be listed gives no rows of zeros but one line and status 2.
TEST_F(NotesCommandTest, UnlistableFolderIsAnError) {
#ifdef _WIN32
    GTEST_SKIP() << "folder permissions are POSIX";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "root lists any folder";
#endif
    fs::permissions(folder.path(), fs::perms::none);
    const CliRun marks = run({"note-marks", "2015-02-23", "2015-02-25", "--data", data()});
    const CliRun day = run({"notes", "2015-02-24", "--data", data()});
    fs::permissions(folder.path(), fs::perms::owner_all);
    for (const CliRun& result : {marks, day}) {
        EXPECT_EQ(result.status, kUsageError);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(" können nicht aufgelistet werden\n"), std::string::npos)
            << result.err;
    }
}

// A note that is there but cannot be read is named, never left out of a day that then looks
// complete.
TEST_F(NotesCommandTest, UnreadableNoteIsAnError) {
#ifdef _WIN32
    GTEST_SKIP() << "named pipes in folders are POSIX";
#else
    const struct {
        const char* name;
        bool pipe; // else a folder under the note's name
    } cases[] = {{"20150124.txt", true}, {"26.14.tnt", true}, {"20150124.txt", false}};
    for (const auto& unreadable : cases) {
        SCOPED_TRACE(unreadable.name);
        const fs::path file = folder.path() / unreadable.name;
        const std::string kept = folder.path() / "kept";
        fs::rename(file, kept);
        if (unreadable.pipe)
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        else
            fs::create_directory(file);
        for (const bool statusLine : {false, true}) {
            std::vector<std::string> arguments{"2015-02-24", "--data", data()};
            if (statusLine)
                arguments.push_back("--status-line");
            const CliRun result = notes(arguments);
            EXPECT_EQ(result.status, kUsageError);
            EXPECT_EQ(result.out, "");
            EXPECT_EQ(result.err, std::string("notes: Die Notiz ") + unreadable.name +
                                      " kann nicht gelesen werden.\n");
        }
        fs::remove(file);
        fs::rename(kept, file);
    }
#endif
}

TEST_F(NotesCommandTest, MarksOnePerDay) {
    const CliRun result = run({"note-marks", "2015-02-23", "2015-02-25", "--data", data()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "date\tday_note\tperiodic\tyearly\tweekday\n"
                          "2015-02-23\t0\t0\t0\t0\n"
                          "2015-02-24\t1\t1\t1\t2\n"
                          "2015-02-25\t0\t0\t0\t0\n");
}

TEST_F(NotesCommandTest, ReadsOnly) {
    const auto snapshot = [&] {
        std::string all;
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            std::ifstream in(entry.path(), std::ios::binary);
            all += entry.path().filename().string() + ":" +
                   std::string(std::istreambuf_iterator<char>(in), {}) + "\n";
        }
        return all;
    };
    const std::string before = snapshot();
    notes({"2015-02-24", "--data", data(), "--password-stdin"}, "geheim\n");
    run({"note-marks", "2015-01-01", "2015-12-31", "--data", data()});
    EXPECT_EQ(snapshot(), before);
}

TEST_F(NotesCommandTest, MistakesGiveOneLineAndStatusTwo) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"notes", "2015-02-24"},
        {"notes", "2015-02-24", "--data", data() + "/20150124.txt"},
        {"notes", "2015-02-24", "--data", data() + "/missing"},
        {"notes", "2015-02-30", "--data", data()},
        {"notes", "--data", data()},
        {"notes", "2015-02-24", "--data", data(), "--password"},
        {"note-marks", "2015-02-25", "2015-02-24", "--data", data()},
        {"note-marks", "2015-02-24", "--data", data()},
        {"note-marks", "2015-02-24", "2015-02-25", "--data", data(), "--status-line"},
        {"notes", "2015-02-24", "--data", data(), "--status-line", "--status-line"},
        {"notes", "2015-02-24", "--data", data(), "--password-stdin", "--password-stdin"},
    };
    for (const auto& arguments : mistakes) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, kUsageError) << arguments[1];
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

} // namespace
} // namespace tp::cli
