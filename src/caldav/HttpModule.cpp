// The entries of the network module the program loads at its first sync: its HTTP client and
// the reading of the server's XML answers.
#include "caldav/CurlHttpClient.h"
#include "caldav/Multistatus.h"
#include "platform/ModuleEntry.h"

TP_MODULE_EXPORT tp::caldav::HttpClient* tpNewHttpClient(const tp::caldav::HttpSettings* settings) {
    return new tp::caldav::CurlHttpClient(*settings);
}

TP_MODULE_EXPORT tp::caldav::MultistatusParser* tpMultistatusParser() {
    return &tp::caldav::parseMultistatus;
}
