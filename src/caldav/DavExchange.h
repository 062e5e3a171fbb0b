#pragma once

#include "caldav/CalDavFailure.h"
#include "caldav/DavUrl.h"
#include "caldav/HttpClient.h"

#include <optional>
#include <string>

namespace tp::caldav {

// The server as the user's messages name it: "cloud.example.org" or "127.0.0.1:5232".
std::string serverName(const DavUrl& url);
std::string serverName(std::string_view url);

struct Exchange {
    HttpResponse response;
    std::string url; // where the answer came from, after redirects
    std::optional<Failure> failure;
};

// Sends `request`, following redirects on the same server (never to another: the password
// would go with them). A missing answer, 401, 403, 507 and 5xx are failures.
Exchange exchange(HttpClient& http, HttpRequest request);

// PROPFIND of `props` (XML elements inside DAV:prop, prefixes d: DAV and c: CalDAV).
HttpRequest propfindRequest(const std::string& url, int depth, const std::string& props);

} // namespace tp::caldav
