#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp::caldav {

// Names of elements as "{namespace URI}local", so prefixes never matter.
inline constexpr const char* kDavNamespace = "DAV:";
inline constexpr const char* kCalDavNamespace = "urn:ietf:params:xml:ns:caldav";

// One property as found: its text, the hrefs inside it (principals, home sets), the names of
// its child elements (resource types) and the `name` attributes of CalDAV `comp` children.
struct DavProperty {
    std::string text;
    std::vector<std::string> hrefs;
    std::vector<std::string> children;
    std::vector<std::string> componentNames;

    bool hasChild(std::string_view name) const;
};

// One `response` of a multistatus: its href as written (percent-encoding kept), the status of
// a response without properties, and the properties of those propstat blocks whose status is
// 2xx; properties reported as missing (404) or forbidden are left out.
struct DavResource {
    std::string href;
    int status = 0; // of the response itself; 0 when it has propstat blocks
    std::map<std::string, DavProperty> properties;

    const DavProperty* property(std::string_view name) const;
};

// The responses of a 207 answer; nothing when `xml` is not a well-formed DAV:multistatus.
// Read by libxml2, which the command line links and the program loads with its network module
// (LoadedMultistatus.cpp), so that its start does not load it.
std::optional<std::vector<DavResource>> parseMultistatus(std::string_view xml);

// parseMultistatus as the network module hands it to the program.
using MultistatusParser = std::optional<std::vector<DavResource>>(std::string_view xml);
inline constexpr const char* kMultistatusParserEntry = "tpMultistatusParser";

// "HTTP/1.1 404 Not Found" → 404; 0 when unreadable.
int statusOfLine(std::string_view line);

} // namespace tp::caldav
