#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tp::caldav {

struct HttpRequest {
    std::string method; // "PROPFIND", "REPORT", "PUT", ...
    std::string url;    // absolute
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
};

// Why a request got no answer at all; an answer with any status is no failure here.
enum class TransportFailure {
    None,
    HostUnknown,
    NotReachable,
    CertificateUntrusted,
    TimedOut,
    PlainHttpRefused, // http:// to anything but this computer
    Cancelled,
    Other,
};

struct HttpResponse {
    TransportFailure failure = TransportFailure::None;
    int status = 0;
    std::string body;
    std::string etag;     // the ETag header, quotes kept
    std::string location; // the Location header of a redirect
};

// The one door to the server, so the sync can be tested with recorded answers.
class HttpClient {
  public:
    virtual ~HttpClient() = default;
    virtual HttpResponse send(const HttpRequest& request) = 0;
};

} // namespace tp::caldav
