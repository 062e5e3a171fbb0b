#include "cli/Commands.h"
#include "support/CommandLineRun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tp::cli {
namespace {

using CommandRun = test::CliRun;

CommandRun run(const std::vector<std::string>& arguments) {
    return test::runCli(arguments);
}

TEST(AstroCommand, PrintsHeaderAndOneRowPerDay) {
    const CommandRun result = run({"astro", "2015-09-27", "2015-09-28"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    std::istringstream lines(result.out);
    std::string header, first, second, extra;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(header, "date\tastronomy_line");
    EXPECT_EQ(first.rfind("2015-09-27\tDämmerung: ", 0), 0u) << first;
    EXPECT_EQ(second.rfind("2015-09-28\tDämmerung: ", 0), 0u) << second;
    EXPECT_NE(second.find(",\xC2\xA0Mondfinsternis total: 4:4"), std::string::npos) << second;
    EXPECT_FALSE(std::getline(lines, extra));
}

TEST(AstroCommand, OptionsSetThePlace) {
    const CommandRun north =
        run({"astro", "2016-06-21", "2016-06-21", "--lat", "70", "--twilight", "2"});
    ASSERT_EQ(north.status, 0) << north.err;
    EXPECT_NE(north.out.find("Sonne: immer sichtbar"), std::string::npos) << north.out;
    EXPECT_NE(north.out.find("Dämmerung: immer hell"), std::string::npos) << north.out;
    const CommandRun utc = run({"astro", "1999-08-11", "1999-08-11", "--tz=0", "--dst", "0"});
    ASSERT_EQ(utc.status, 0) << utc.err;
    EXPECT_NE(utc.out.find("Sonnenfinsternis total: 11:04"), std::string::npos) << utc.out;
}

// Without options the place is the one the settings start with: 48.47 north, 12.52 east
// (stored as -12.52), zone 1, automatic summer time, civil twilight.
TEST(AstroCommand, DefaultsAreTheSettingsDefaults) {
    const CommandRun plain = run({"astro", "1985-03-31", "1985-04-02"});
    const CommandRun spelled = run({"astro", "1985-03-31", "1985-04-02", "--lat", "48.47", "--lon",
                                    "-12.52", "--tz", "1", "--dst", "1", "--twilight", "0"});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, spelled.out);
    for (const char* other : {"--dst=0", "--twilight=1", "--tz=2", "--lat=48", "--lon=-12"}) {
        const CommandRun changed = run({"astro", "1985-03-31", "1985-04-02", other});
        ASSERT_EQ(changed.status, 0) << other << changed.err;
        EXPECT_NE(changed.out, plain.out) << other;
    }
}

TEST(AstroCommand, BadArgumentsExitWithStatusTwoAndNoOutput) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"astro"},
        {"astro", "2015-09-27"},
        {"astro", "2015-09-28", "2015-09-27"},
        {"astro", "1969-12-31", "1970-01-02"},
        {"astro", "2037-07-31", "2037-08-01"},
        {"astro", "2015-02-29", "2015-03-01"},
        {"astro", "2015-9-27", "2015-09-28"},
        {"astro", "2015-09-27", "2015-09-28", "--latitude", "48"},
        {"astro", "2015-09-27", "2015-09-28", "--lat", "91"},
        {"astro", "2015-09-27", "2015-09-28", "--lat", "north"},
        {"astro", "2015-09-27", "2015-09-28", "--lon", "-181"},
        {"astro", "2015-09-27", "2015-09-28", "--tz", "15"},
        {"astro", "2015-09-27", "2015-09-28", "--tz", "nan"},
        {"astro", "2015-09-27", "2015-09-28", "--dst", "2"},
        {"astro", "2015-09-27", "2015-09-28", "--twilight", "3"},
        {"astro", "2015-09-27", "2015-09-28", "--twilight"},
    };
    for (const auto& arguments : mistakes) {
        std::string joined;
        for (const auto& word : arguments)
            joined += word + " ";
        SCOPED_TRACE(joined);
        const CommandRun result = run(arguments);
        EXPECT_EQ(result.status, kUsageError);
        EXPECT_EQ(result.out, "");
        ASSERT_FALSE(result.err.empty());
        EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    }
}

} // namespace
} // namespace tp::cli
