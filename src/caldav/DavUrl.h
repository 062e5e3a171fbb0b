#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tp::caldav {

// The parts of an absolute http(s) URL this client needs.
struct DavUrl {
    std::string scheme; // "http" or "https", lower case
    std::string host;   // as written, IPv6 in brackets
    std::string port;   // empty when the scheme's own
    std::string path;   // starts with '/', percent-encoding kept

    std::string origin() const; // "https://host:port"
    std::string text() const { return origin() + path; }
};

// Nothing when `text` is no absolute http or https URL.
std::optional<DavUrl> parseDavUrl(std::string_view text);

// An href of a server answer (absolute URL, absolute path or relative path) against the URL
// of the request it answers.
std::string resolveHref(const DavUrl& base, std::string_view href);

// The path with %XX decoded, so "/a%40b/" and "/a@b/" compare equal.
std::string percentDecoded(std::string_view text);

// One path segment: everything but unreserved characters percent-encoded.
std::string percentEncodedSegment(std::string_view text);

// Same collection or resource, whatever the encoding or a trailing slash.
bool sameDavPath(std::string_view a, std::string_view b);

// localhost, 127.0.0.0/8 or ::1: where plain http is allowed.
bool isLoopbackHost(std::string_view host);

} // namespace tp::caldav
