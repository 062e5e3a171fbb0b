#pragma once

#include "model/DayNumber.h"
#include "platform/Clock.h"

#include <algorithm>

namespace tp {

// Today by the clock, kept inside the supported range so that a wrong system clock cannot
// take the page past its last month.
inline DayNumber todayOf(const Clock& clock) {
    const LocalDateTime now = clock.now();
    return std::clamp(dayNumberOf(now.year, now.month, now.day), kFirstSupportedDay,
                      kLastSupportedDay);
}

} // namespace tp
