#pragma once

#include "caldav/CurlHttpClient.h"

#include <memory>
#include <string>

namespace tp::caldav {

// The HTTP client of the network module, loaded when the program first talks to a server: the
// program itself does not link libcurl, whose libraries would lengthen every start. Null when
// the module cannot be loaded; `problem` then says why (German).
std::unique_ptr<HttpClient> loadHttpClient(const HttpSettings& settings, std::string& problem);

} // namespace tp::caldav
