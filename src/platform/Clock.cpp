#include "platform/Clock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

namespace tp {

#ifdef _WIN32

// The system's own local time: the C library's localtime() would follow a TZ variable that
// Windows' C library does not understand the way Unix does.
LocalDateTime SystemClock::now() const {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

#else

LocalDateTime SystemClock::now() const {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

#endif

} // namespace tp
