#include "caldav/DavExchange.h"

namespace tp::caldav {

std::string serverName(const DavUrl& url) {
    return url.port.empty() ? url.host : url.host + ":" + url.port;
}

std::string serverName(std::string_view url) {
    const auto parsed = parseDavUrl(url);
    return parsed ? serverName(*parsed) : std::string(url);
}

Exchange exchange(HttpClient& http, HttpRequest request) {
    constexpr int kMaxRedirects = 5;
    Exchange result;
    for (int redirect = 0;; ++redirect) {
        const auto url = parseDavUrl(request.url);
        if (!url) {
            result.failure = Failure{FailureKind::BadAddress, request.url, 0, request.url};
            return result;
        }
        const std::string server = serverName(*url);
        result.url = request.url;
        result.response = http.send(request);
        if (auto failure = failureOfResponse(result.response, server)) {
            result.failure = std::move(failure);
            return result;
        }
        const int status = result.response.status;
        const bool isRedirect =
            status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
        if (!isRedirect || redirect == kMaxRedirects)
            return result;
        const std::string target = resolveHref(*url, result.response.location);
        const auto targetUrl = parseDavUrl(target);
        if (result.response.location.empty() || !targetUrl) {
            result.failure = Failure{FailureKind::ServerError, server, status};
            return result;
        }
        if (targetUrl->origin() != url->origin()) {
            result.failure =
                Failure{FailureKind::RedirectElsewhere, server, status, targetUrl->origin()};
            return result;
        }
        request.url = target;
    }
}

HttpRequest propfindRequest(const std::string& url, int depth, const std::string& props) {
    HttpRequest request;
    request.method = "PROPFIND";
    request.url = url;
    request.headers = {{"Depth", std::to_string(depth)},
                       {"Content-Type", "application/xml; charset=utf-8"}};
    request.body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                   "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                   "<d:prop>" +
                   props + "</d:prop></d:propfind>";
    return request;
}

} // namespace tp::caldav
