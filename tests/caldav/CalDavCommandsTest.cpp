#include "cli/Commands.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tp::cli {
namespace {

struct UsageCase {
    const char* name;
    std::vector<std::string> arguments;
    const char* stdinText;
    const char* message;
};

// Mistakes are told before anything reaches a server.
TEST(CalDavCommands, MistakesInTheCommandLineExitWithStatus2) {
    const std::vector<std::string> server{"--url", "https://cloud.example.org/k/", "--user",
                                          "anna"};
    const auto with = [&server](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), server.begin(), server.end());
        return arguments;
    };
    const UsageCase cases[] = {
        {"no url",
         {"2026-01-01", "2026-01-31", "--crew", "rot", "--user", "anna"},
         "",
         "caldav-sync: --url wird gebraucht\n"},
        {"no user",
         {"2026-01-01", "2026-01-31", "--crew", "rot", "--url", "https://x.org/"},
         "",
         "caldav-sync: --user wird gebraucht\n"},
        {"alarm", with({"2026-01-01", "2026-01-31", "--crew", "rot", "--alarm", "-5"}), "",
         "caldav-sync: --alarm muss eine Minutenzahl von 0 bis 10080 sein\n"},
        {"empty password", with({"2026-01-01", "2026-01-31", "--crew", "rot", "--password-stdin"}),
         "\n", "caldav-sync: --password-stdin fand kein Passwort auf der Standardeingabe\n"},
        {"a password is no option", with({"2026-01-01", "2026-01-31", "--password", "geheim"}), "",
         "caldav-sync: unbekannte Option: --password\n"},
        {"missing CA file", with({"2026-01-01", "2026-01-31", "--crew", "rot", "--ca-file", "/x"}),
         "", "caldav-sync: --ca-file muss eine vorhandene Datei nennen\n"},
    };
    for (const UsageCase& wanted : cases) {
        SCOPED_TRACE(wanted.name);
        std::istringstream in(wanted.stdinText);
        std::ostringstream out, err;
        EXPECT_EQ(runCalDavSyncCommand(wanted.arguments, in, out, err), kUsageError);
        EXPECT_EQ(err.str(), wanted.message);
        EXPECT_TRUE(out.str().empty());
    }
}

TEST(CalDavCommands, ServerFaultsExitWithStatus3) {
    std::istringstream in("geheim\n");
    std::ostringstream out, err;
    EXPECT_EQ(runCalDavCalendarsCommand(
                  {"--url", "http://cloud.example.org/", "--user", "anna", "--password-stdin"}, in,
                  out, err),
              kServerError);
    EXPECT_EQ(err.str(), "caldav-calendars: Unverschlüsselt (http://) wird nur mit diesem Rechner "
                         "abgeglichen; für cloud.example.org bitte https:// angeben.\n");
}

} // namespace
} // namespace tp::cli
