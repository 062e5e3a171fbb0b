#include "caldav/CurlHttpClient.h"

#include "caldav/DavUrl.h"

#include <curl/curl.h>

#include <memory>

namespace tp::caldav {

namespace {

CURL* curlOf(void* handle) {
    return static_cast<CURL*>(handle);
}

std::size_t appendBody(char* data, std::size_t size, std::size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

int checkCancelled(void* flag, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto* cancelled = static_cast<const std::atomic<bool>*>(flag);
    return cancelled && cancelled->load() ? 1 : 0;
}

TransportFailure failureOf(CURLcode code) {
    switch (code) {
    case CURLE_OK:
        return TransportFailure::None;
    case CURLE_COULDNT_RESOLVE_HOST:
        return TransportFailure::HostUnknown;
    case CURLE_COULDNT_CONNECT:
    case CURLE_GOT_NOTHING:
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
        return TransportFailure::NotReachable;
    case CURLE_OPERATION_TIMEDOUT:
        return TransportFailure::TimedOut;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
        return TransportFailure::CertificateUntrusted;
    case CURLE_ABORTED_BY_CALLBACK:
        return TransportFailure::Cancelled;
    default:
        return TransportFailure::Other;
    }
}

std::string headerValue(CURL* curl, const char* name) {
    curl_header* header = nullptr;
    if (curl_easy_header(curl, name, 0, CURLH_HEADER, -1, &header) != CURLHE_OK || !header)
        return {};
    return header->value;
}

struct UrlDeleter {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};

struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

CurlHttpClient::CurlHttpClient(HttpSettings settings) : settings_(std::move(settings)) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    handle_ = curl_easy_init();
}

CurlHttpClient::~CurlHttpClient() {
    curl_easy_cleanup(curlOf(handle_));
    curl_global_cleanup();
}

HttpResponse CurlHttpClient::send(const HttpRequest& request) {
    const auto url = parseDavUrl(request.url);
    HttpResponse refused;
    if (!url) {
        refused.failure = TransportFailure::Other;
        return refused;
    }
    if (url->scheme == "http" && !isLoopbackHost(url->host)) {
        refused.failure = TransportFailure::PlainHttpRefused;
        return refused;
    }
    HttpResponse response = perform(request);
    // Basic goes with the first request; a server that wants Digest says so in its 401.
    if (response.status == 401 && !digest_ &&
        headerValue(curlOf(handle_), "WWW-Authenticate").find("Digest") != std::string::npos) {
        digest_ = true;
        response = perform(request);
    }
    return response;
}

HttpResponse CurlHttpClient::perform(const HttpRequest& request) {
    CURL* curl = curlOf(handle_);
    HttpResponse response;
    if (!curl) {
        response.failure = TransportFailure::Other;
        return response;
    }
    curl_easy_reset(curl); // keeps the connection, clears the last request's options
    // libcurl looks a user up in .netrc only when the user comes with the URL.
    const std::unique_ptr<CURLU, UrlDeleter> url(curl_url());
    curl_url_set(url.get(), CURLUPART_URL, request.url.c_str(), 0);
    if (settings_.password.empty())
        curl_url_set(url.get(), CURLUPART_USER, settings_.user.c_str(), CURLU_URLENCODE);
    curl_easy_setopt(curl, CURLOPT_CURLU, url.get());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, settings_.connectSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, settings_.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!settings_.caFile.empty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, settings_.caFile.c_str());
    if (!settings_.password.empty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, settings_.user.c_str());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, settings_.password.c_str());
    } else {
        curl_easy_setopt(curl, CURLOPT_NETRC, static_cast<long>(CURL_NETRC_OPTIONAL));
        if (!settings_.netrcFile.empty())
            curl_easy_setopt(curl, CURLOPT_NETRC_FILE, settings_.netrcFile.c_str());
    }
    curl_easy_setopt(curl, CURLOPT_HTTPAUTH, digest_ ? CURLAUTH_DIGEST : CURLAUTH_BASIC);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Turnoplaner");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response.body);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, checkCancelled);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, settings_.cancelled);

    curl_slist* headers = curl_slist_append(nullptr, "Expect:");
    for (const auto& [name, value] : request.headers)
        headers = curl_slist_append(headers, (name + ": " + value).c_str());
    const std::unique_ptr<curl_slist, HeaderListDeleter> headerList(headers);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    if (request.method == "GET") {
        curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    } else {
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, request.method.c_str());
    }
    if (!request.body.empty()) {
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(request.body.size()));
    }

    const CURLcode code = curl_easy_perform(curl);
    ++requests_;
    long newConnections = 0;
    curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &newConnections);
    connections_ += static_cast<int>(newConnections);
    response.failure = failureOf(code);
    if (code != CURLE_OK)
        return response;
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    response.status = static_cast<int>(status);
    response.etag = headerValue(curl, "ETag");
    response.location = headerValue(curl, "Location");
    return response;
}

} // namespace tp::caldav
