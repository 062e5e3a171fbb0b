#pragma once

#include "model/DayNumber.h"

#include <cstdint>
#include <optional>

namespace tp {

// The plant's clock: Europe/Berlin as the exported calendars describe it. No summer time
// before 1980; 1980 from 6 April to 28 September; 1981..1995 from the last Sunday of March to
// the last Sunday of September; since 1996 to the last Sunday of October. Clocks go from 2.00
// to 3.00 in spring and from 3.00 back to 2.00 in autumn.

constexpr DayNumber lastSundayOfMonth(int year, int month) {
    const DayNumber last = dayNumberOf(year, month, monthLength(year, month));
    return last - daysSinceSunday(weekdayOf(last));
}

struct SummerTimeDays {
    DayNumber start; // the day the clocks go forward
    DayNumber end;   // the day they go back
};

constexpr std::optional<SummerTimeDays> berlinSummerTime(int year) {
    if (year < 1980)
        return std::nullopt;
    if (year == 1980)
        return SummerTimeDays{dayNumberOf(1980, 4, 6), dayNumberOf(1980, 9, 28)};
    return SummerTimeDays{lastSundayOfMonth(year, 3),
                          lastSundayOfMonth(year, year <= 1995 ? 9 : 10)};
}

// Minutes east of UTC of the local time `minuteOfDay` (0..1439) on `day`. The hour that is
// passed twice in autumn counts as winter time, the hour skipped in spring as summer time;
// no shift begins or ends inside either.
constexpr int berlinUtcOffsetMinutes(DayNumber day, int minuteOfDay) {
    constexpr int changeMinute = 120;
    const auto summer = berlinSummerTime(civilFromDayNumber(day).year);
    if (!summer)
        return 60;
    const bool afterStart =
        day > summer->start || (day == summer->start && minuteOfDay >= changeMinute);
    const bool beforeEnd = day < summer->end || (day == summer->end && minuteOfDay < changeMinute);
    return afterStart && beforeEnd ? 120 : 60;
}

// Minutes since 1970-01-01 0.00 UTC of local time `minute` counted from the start of `day`
// (minutes past 1440 fall on the following days).
constexpr std::int64_t berlinUtcMinute(DayNumber day, int minute) {
    const DayNumber localDay = day + minute / 1440;
    const int minuteOfDay = minute % 1440;
    return std::int64_t{localDay} * 1440 + minuteOfDay -
           berlinUtcOffsetMinutes(localDay, minuteOfDay);
}

// Real minutes elapsed from local `startMinute` to local `endMinute`, both counted from the
// start of `day`.
constexpr int berlinElapsedMinutes(DayNumber day, int startMinute, int endMinute) {
    return static_cast<int>(berlinUtcMinute(day, endMinute) - berlinUtcMinute(day, startMinute));
}

// A night shift over the spring change has 7 hours, over the autumn change 9.
static_assert(berlinElapsedMinutes(dayNumberOf(2026, 3, 28), 1320, 1800) == 7 * 60);
static_assert(berlinElapsedMinutes(dayNumberOf(2026, 10, 24), 1320, 1800) == 9 * 60);
static_assert(berlinElapsedMinutes(dayNumberOf(1995, 9, 23), 1320, 1800) == 9 * 60);
static_assert(berlinElapsedMinutes(dayNumberOf(1979, 3, 24), 1320, 1800) == 8 * 60);

} // namespace tp
