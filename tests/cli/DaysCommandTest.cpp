#include "cli/Commands.h"
#include "cli/DaysReport.h"
#include "support/CommandLineRun.h"
#include "support/TemporaryFolder.h"

#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace tp::cli {
namespace {

using test::CliRun;

CliRun run(const std::vector<std::string>& arguments) {
    return test::runCli(arguments);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(DaysCommand, HeaderAndRows) {
    const CliRun result = run({"days", "2016-03-26", "2016-03-28"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto rows = lines(result.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], "date\tday_number\tweekday\tiso_week\teaster\tpublic_holiday\tday_name\t"
                       "school_holiday\tcrews\toutside\tcancelled\tinfo_line");
    EXPECT_EQ(rows[1],
              "2016-03-26\t16886\tSamstag\t12\t2016-03-27\t\tKarsamstag\t1\t0,4,3,2,1\t-1\t011\t"
              "Samstag, 26. März 2016\u00A0-\u00A0Karsamstag\u00A0-\u00A0Ludger, Lara");
    EXPECT_TRUE(rows[2].starts_with("2016-03-27\t16887\tSonntag\t12\t2016-03-27\tOstersonntag\t"
                                    "Ostersonntag\t1\t"));
    EXPECT_TRUE(
        rows[3].ends_with("\t111\tMontag, 28. März 2016\u00A0-\u00A0Ostermontag\u00A0-\u00A0"
                          "Guntram, Ingbert"));
}

TEST(DaysCommand, FixedPublicHolidayBeforeMovableName) {
    const CliRun result = run({"days", "2008-05-01", "2008-05-01", "--type", "6"});
    ASSERT_EQ(result.status, 0);
    const auto rows = lines(result.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(rows[1].starts_with(
        "2008-05-01\t14000\tDonnerstag\t18\t2008-03-23\tMaifeiertag\tChristi Himmelfahrt\t0\t"))
        << rows[1];
}

// Crews and outside crew of one day, worked out by hand from the rotation tables.
std::string crewsOf(std::vector<std::string> arguments) {
    const std::string row = lines(run(std::move(arguments)).out).at(1);
    std::vector<std::string> fields;
    std::istringstream in(row);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields.at(8) + "|" + fields.at(9);
}

TEST(DaysCommand, CrewColumnsPerType) {
    EXPECT_EQ(crewsOf({"days", "1970-01-01", "1970-01-01", "--type", "1"}), "1,4,0,3,2|-1");
    EXPECT_EQ(crewsOf({"days", "2015-01-01", "2015-01-01"}), "3,1,4,3,2|0");
    EXPECT_EQ(crewsOf({"days", "2015-01-01", "2015-01-01", "--type=2"}), "1,2,0|-1");
    EXPECT_EQ(crewsOf({"days", "2015-01-01", "2015-01-01", "--type", "6"}), "2,3,4,1|-1");
    EXPECT_EQ(crewsOf({"days", "2015-01-01", "2015-01-01", "--type", "7"}), "2,1,4,3|-1");
}

TEST(DaysCommand, VacationStartMovesTheBlock) {
    // 2016: crew 3 takes the first block. By default it starts on Monday 25 April: crew 0 in
    // its free week stands in for crew 3, who would have been free (5). From 1 May on the
    // block starts five weeks later, on 30 May, and 25 April keeps the plain rotation. The day
    // before the block is plain too.
    EXPECT_EQ(crewsOf({"days", "2016-04-25", "2016-04-25"}), "4,3,1,5,2|-1");
    EXPECT_EQ(crewsOf({"days", "2016-04-24", "2016-04-24"}), "1,0,4,3,4|-1");
    EXPECT_EQ(crewsOf({"days", "2016-04-25", "2016-04-25", "--vacation-start", "05-01"}),
              "0,3,1,4,2|-1");
    EXPECT_EQ(crewsOf({"days", "2016-05-30", "2016-05-30", "--vacation-start=05-01"}),
              "4,3,1,5,2|-1");
}

TEST(DaysCommand, WholeRangeHasOneRowPerDay) {
    const CliRun result = run({"days", "1970-01-01", "2037-07-31", "--type", "3"});
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(lines(result.out).size(), 24685u);
}

TEST(DaysCommand, BadArgumentsGiveStatusTwoAndNoOutput) {
    const std::vector<std::vector<std::string>> bad = {
        {"days", "1969-12-31", "1970-01-01"},
        {"days", "2037-07-31", "2037-08-01"},
        {"days", "2016-02-30", "2016-03-01"},
        {"days", "2016-3-1", "2016-03-02"},
        {"days", "2016-03-02", "2016-03-01"},
        {"days", "2016-03-01"},
        {"days", "2016-03-01", "2016-03-02", "--type", "8"},
        {"days", "2016-03-01", "2016-03-02", "--type", "x"},
        {"days", "2016-03-01", "2016-03-02", "--colour", "1"},
        {"days", "2016-03-01", "2016-03-02", "--vacation-start", "13-01"},
        {"days", "2016-03-01", "2016-03-02", "--type"},
        {"nonsense"},
        {},
    };
    for (const auto& arguments : bad) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.empty());
        EXPECT_FALSE(result.err.empty());
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
}

// Numbers are plain decimal, options come once, and a stray option is named.
TEST(CommandLine, StrictArgumentsNameTheMistake) {
    const struct {
        std::vector<std::string> arguments;
        const char* error;
    } cases[] = {
        {{"astro", "2016-03-01", "2016-03-01", "--lat", "0x10"},
         "astro: --lat muss eine Zahl von -90 bis 90 sein\n"},
        {{"astro", "2016-03-01", "2016-03-01", "--lat", " 12"},
         "astro: --lat muss eine Zahl von -90 bis 90 sein\n"},
        {{"astro", "2016-03-01", "2016-03-01", "--lat", "1e1"},
         "astro: --lat muss eine Zahl von -90 bis 90 sein\n"},
        {{"astro", "2016-03-01", "2016-03-01", "--tz", "+1"},
         "astro: --tz muss eine Stundenzahl von -12 bis 14 sein\n"},
        {{"days", "2016-03-01", "2016-03-01", "--type", "0x1"}, "days: --type muss 0..7 sein\n"},
        {{"days", "2016-03-01", "2016-03-01", "--type", "1", "--type=2"},
         "days: Option --type ist mehrfach angegeben\n"},
        {{"days", "2016-03-01", "2016-03-01", "-x"}, "days: unbekannte Option: -x\n"},
        {{"days", "2016-03-01", "2016-03-01", "--x=1"}, "days: unbekannte Option: --x\n"},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.status, 2) << c.error;
        EXPECT_EQ(result.err, c.error);
        EXPECT_TRUE(result.out.empty());
    }
    // Negative decimal numbers stay what they are.
    EXPECT_EQ(run({"astro", "2016-03-01", "2016-03-01", "--lon", "-12.5", "--tz=-1"}).status, 0);
}

// A stream that takes `room` bytes, then fails like a full disk.
class FullDisk : public std::streambuf {
  public:
    explicit FullDisk(std::size_t room) : room_(room) {}

  protected:
    int_type overflow(int_type c) override {
        if (room_ == 0)
            return traits_type::eof();
        --room_;
        return c;
    }

  private:
    std::size_t room_;
};

TEST(CommandLine, ReportCutShortFailsLoudly) {
    for (const std::size_t room : {std::size_t{0}, std::size_t{5000}}) {
        FullDisk disk(room);
        std::ostream out(&disk);
        std::ostringstream err;
        EXPECT_EQ(runCommandLine({"days", "1970-01-01", "1970-12-31"}, out, err), 1);
        const std::string message = err.str();
        EXPECT_TRUE(
            message.starts_with("turnoplaner-cli: der Bericht konnte nicht geschrieben werden"));
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
    }
}

// An output the system refuses with `errorNumber`, as a closed standard output does.
class RefusedOutput : public std::streambuf {
  public:
    explicit RefusedOutput(int errorNumber) : errorNumber_(errorNumber) {}

  protected:
    int_type overflow(int_type) override {
        errno = errorNumber_;
        return traits_type::eof();
    }

  private:
    int errorNumber_;
};

// Help, mistakes and failures are told in German, each saying what is wrong.
TEST(CommandLine, SpeaksGerman) {
    test::TemporaryFolder folder;
    const std::string file = (folder.path() / "Datei.txt").string();
    std::ofstream(file) << "x";
    const std::string missing = (folder.path() / "fehlt").string();
    const struct {
        std::vector<std::string> arguments;
        std::string error; // empty: only no English in it
    } cases[] = {
        {{"notes", "2016-03-01", "--data", file},
         "notes: --data: \"" + file + "\" ist eine Datei, kein Ordner\n"},
        {{"accounts", "--data", missing, "--today", "2016-03-01"},
         "accounts: --data: Der Ordner \"" + missing + "\" existiert nicht\n"},
        {{"ics", "2016-03-01", "2016-03-02", "--data", file},
         "ics: --data: \"" + file + "\" ist eine Datei, kein Ordner\n"},
        {{}, "turnoplaner-cli: kein Befehl angegeben; siehe turnoplaner-cli --help\n"},
        {{"tage"}, "turnoplaner-cli: unbekannter Befehl 'tage'; siehe turnoplaner-cli --help\n"},
        {{"days", "2016-03-02", "2016-03-01"}, "days: VON liegt nach BIS\n"},
        {{"days", "2016-03-01"}, ""},
        {{"days", "2016-03-01", "2016-13-01"}, ""},
        {{"days", "2016-03-01", "2016-03-01", "--vacation-start", "x"}, ""},
        {{"astro", "2016-03-01", "2016-03-01", "--dst", "2"}, ""},
        {{"notes", "2016-03-01"}, ""},
        {{"notes", "x", "--data", missing}, ""},
        {{"note-marks", "2016-03-01", "2016-03-01", "--data"}, ""},
        {{"accounts", "--data", missing, "extra"}, ""},
        {{"yearly", "1900"}, ""},
        {{"yearly", "2016", "--target38", "x"}, ""},
        {{"ics", "2016-03-01", "2016-03-02"}, ""},
        {{"ics", "2016-03-01", "2016-03-02", "--crew", "lila"}, ""},
        {{"ics", "2016-03-01", "2016-03-02", "--crew", "rot", "--out", ""}, ""},
        {{"supplements", "2016-03-01", "2016-03-02", "--crew", "rot", "--by", "week"}, ""},
        {{"supplements", "2016-03-01", "2016-03-02", "--crew", "rot", "--wage", "x"}, ""},
    };
    const auto english = [](const std::string& text) {
        for (const char* word : {" must ", "cannot", "expected", "unknown", "option", "needs",
                                 " given", " the ", " not ", " is "})
            if (text.find(word) != std::string::npos)
                return true;
        return false;
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.status, kUsageError) << result.err;
        if (!c.error.empty()) {
            EXPECT_EQ(result.err, c.error);
        }
        EXPECT_FALSE(english(result.err)) << result.err;
    }
    EXPECT_FALSE(english(run({"--help"}).out));

    RefusedOutput closed(EBADF);
    std::ostream out(&closed);
    std::ostringstream err;
    EXPECT_EQ(runCommandLine({"days", "1970-01-01", "1970-01-01"}, out, err), 1);
    EXPECT_EQ(err.str(), "turnoplaner-cli: der Bericht konnte nicht geschrieben werden: Die "
                         "Standardausgabe ist geschlossen\n");
}

TEST(DaysCommand, HelpExplainsTheCommands) {
    const CliRun result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("days VON BIS"), std::string::npos);
}

} // namespace
} // namespace tp::cli
