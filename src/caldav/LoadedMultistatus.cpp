// The reading of the server's XML answers in the program: that of the network module. A sync
// holds the module loaded through its HTTP client, so that loading it again here only counts
// one more user.
#include "caldav/Multistatus.h"
#include "platform/LoadedModule.h"

namespace tp::caldav {

std::optional<std::vector<DavResource>> parseMultistatus(std::string_view xml) {
    LoadedModule module(moduleFileName("turnoplaner-http"), moduleFolders());
    using Entry = MultistatusParser*();
    Entry* entry = module.entry<Entry>(kMultistatusParserEntry);
    if (!entry)
        return std::nullopt; // as an answer that cannot be read; the client told why before
    return entry()(xml);
}

} // namespace tp::caldav
