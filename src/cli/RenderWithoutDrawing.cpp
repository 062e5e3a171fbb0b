#include "cli/Commands.h"

namespace tp::cli {

// A build without Qt has every report but cannot draw the page.
int runRenderCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
    err << "render: dieses turnoplaner-cli kann nicht zeichnen (ohne Qt gebaut)\n";
    return kUsageError;
}

} // namespace tp::cli
