// The entry of the network module the program loads at its first sync.
#include "caldav/CurlHttpClient.h"

#ifdef _WIN32
#define TP_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TP_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif

TP_MODULE_EXPORT tp::caldav::HttpClient* tpNewHttpClient(const tp::caldav::HttpSettings* settings) {
    return new tp::caldav::CurlHttpClient(*settings);
}
