#pragma once

#include "caldav/HttpClient.h"

#include <optional>
#include <string>
#include <utility>

namespace tp::caldav {

enum class FailureKind {
    BadAddress,
    PlainHttpRefused,
    HostUnknown,
    NotReachable,
    CertificateUntrusted,
    TimedOut,
    RedirectElsewhere,
    Unauthorized, // 401
    Forbidden,    // 403
    StorageFull,  // 507
    NotACalendar, // no CalDAV calendar at the address
    ServerError,  // any other status the request did not expect
    BadAnswer,    // a 207 that is no multistatus
    KeptChanging, // 412 again after reading the resource again
    Cancelled,
    ConnectionFailed,
};

// What went wrong and with which server; `detail` holds the other host of a redirect or the
// address the user gave.
struct Failure {
    Failure(FailureKind kind, std::string server, int status = 0, std::string detail = {})
        : kind(kind), server(std::move(server)), status(status), detail(std::move(detail)) {}
    FailureKind kind;
    std::string server;
    int status = 0;
    std::string detail;
};

// The German sentence the user reads, naming the server.
std::string failureMessage(const Failure& failure);

// The failure of an answer without a usable status, or of a status that is an error for every
// request (401, 403, 507, 5xx); nothing for other statuses, which the caller judges.
std::optional<Failure> failureOfResponse(const HttpResponse& response, const std::string& server);

} // namespace tp::caldav
