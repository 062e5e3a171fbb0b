// Any command line (words separated by line ends) ends with status 0, 1 or 2; a mistake writes
// one line on stderr and nothing on stdout.

#include "FuzzTarget.h"

#include "cli/Commands.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= text.size() && words.size() < 12) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        words.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    // Drawing pages and writing image files is beyond a quick run, and so is talking to a
    // calendar server.
    if (!words.empty() && (words[0] == "render" || words[0].rfind("caldav-", 0) == 0))
        return 0;
    std::ostringstream out, err;
    const int status = tp::cli::runCommandLine(words, out, err);
    const std::string error = err.str();
    const bool oneLine =
        !error.empty() && error.back() == '\n' && std::count(error.begin(), error.end(), '\n') == 1;
    if (status == 0 ? !error.empty() : status != 2 || !out.str().empty() || !oneLine)
        std::abort();
    return 0;
}

std::vector<std::string> fuzzSeeds() {
    return {
        "days\n2016-03-26\n2016-03-28",
        "days\n2016-02-27\n2016-03-02\n--type\n6\n--vacation-start\n05-01",
        "days\n2037-07-01\n2037-07-31\n--type=5",
        "astro\n2016-03-20\n2016-03-21\n--lat\n52.31\n--lon=-13.24\n--tz\n1\n--dst\n0",
        "astro\n1970-01-01\n1970-01-02\n--twilight\n2",
        "--help",
    };
}
