#pragma once

#include "caldav/HttpClient.h"

#include <atomic>
#include <string>

namespace tp::caldav {

struct HttpSettings {
    std::string user;
    // Empty: the password for this user and server is taken from ~/.netrc (or `netrcFile`).
    std::string password;
    std::string netrcFile;
    // A PEM file of the certificates to trust instead of the system's.
    std::string caFile;
    long connectSeconds = 10;
    long stallSeconds = 30;                       // without a single byte moving
    const std::atomic<bool>* cancelled = nullptr; // checked while a request runs
};

// HTTP through libcurl over one handle, so requests to one server share a connection when the
// server keeps it open. Certificates are verified; plain http goes only to this computer;
// redirects come back to the caller instead of being followed.
class CurlHttpClient : public HttpClient {
  public:
    explicit CurlHttpClient(HttpSettings settings);
    ~CurlHttpClient() override;
    CurlHttpClient(const CurlHttpClient&) = delete;
    CurlHttpClient& operator=(const CurlHttpClient&) = delete;

    HttpResponse send(const HttpRequest& request) override;

    // Requests sent (an authentication round counts) and connections opened so far.
    int requestCount() const { return requests_; }
    int connectionCount() const { return connections_; }

  private:
    HttpResponse perform(const HttpRequest& request);

    HttpSettings settings_;
    void* handle_ = nullptr;
    bool digest_ = false;
    int requests_ = 0;
    int connections_ = 0;
};

} // namespace tp::caldav
