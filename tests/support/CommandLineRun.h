#pragma once

#include "cli/Commands.h"

#include <sstream>
#include <string>
#include <vector>

namespace tp::test {

// What one run of the command line gave.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun runCli(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const int status = cli::runCommandLine(arguments, out, err);
    return {status, out.str(), err.str()};
}

} // namespace tp::test
