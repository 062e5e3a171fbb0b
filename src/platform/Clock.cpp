#include "platform/Clock.h"

#include <chrono>

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

std::int64_t SystemClock::secondsSinceEpoch() const {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::int64_t FixedClock::secondsSinceEpoch() const {
    using namespace std::chrono;
    const sys_days day{year{fixed_.year} / fixed_.month / fixed_.day};
    return (day.time_since_epoch() + hours{fixed_.hour} + minutes{fixed_.minute} +
            seconds{fixed_.second})
        .count();
}

} // namespace tp
