#include "cli/Commands.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The reports are written byte for byte: a calendar's CR LF must not become CR CR LF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return tp::cli::runCommandLine(arguments, std::cout, std::cerr);
}
