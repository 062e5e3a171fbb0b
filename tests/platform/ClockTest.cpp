#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace tp {
namespace {

// The local date is today's date in some time zone: at most a day from the date in Greenwich.
TEST(SystemClock, GivesTodaysDateAndAValidTime) {
    using namespace std::chrono;
    const sys_days utcToday = floor<days>(system_clock::now());
    const LocalDateTime now = SystemClock().now();
    const year_month_day localToday{year{now.year}, month{static_cast<unsigned>(now.month)},
                                    day{static_cast<unsigned>(now.day)}};
    ASSERT_TRUE(localToday.ok()) << now.year << '-' << now.month << '-' << now.day;
    EXPECT_LE(std::abs((sys_days(localToday) - utcToday).count()), 1);
    EXPECT_TRUE(now.hour >= 0 && now.hour < 24 && now.minute >= 0 && now.minute < 60 &&
                now.second >= 0 && now.second <= 60);
}

} // namespace
} // namespace tp
