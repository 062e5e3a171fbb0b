#include "astro/AstronomyLine.h"
#include "AstroTestSupport.h"
#include "astro/LunationCache.h"
#include "astro/RiseSet.h"

#include <gtest/gtest.h>

#include <string>

namespace tp {
namespace {

using astro_test::dateOf;
using astro_test::settingsWith;

std::string lineOf(const WorkingDate& date, const AstronomySettings& settings) {
    PhaseNearFlag flag = PhaseNearFlag::None;
    return astronomyLine(date, settings, flag, nullptr);
}

int itemCount(const std::string& line) {
    int count = 1;
    for (std::size_t at = line.find(kAstronomySeparator); at != std::string::npos;
         at = line.find(kAstronomySeparator, at + 1))
        ++count;
    return count;
}

TEST(AstronomyLine, ClockChangeDaysIgnoreTheSummerTimeSwitch) {
    for (const bool summerTime : {true, false}) {
        const AstronomySettings settings = settingsWith(1, summerTime);
        EXPECT_EQ(dstChangeText(dateOf(2016, 10, 30)), "Winterzeit von 3:00 Uhr auf 2:00b Uhr");
        EXPECT_NE(lineOf(dateOf(2016, 10, 30), settings)
                      .find(",\xC2\xA0Winterzeit von 3:00 Uhr auf 2:00b Uhr"),
                  std::string::npos);
    }
    EXPECT_EQ(dstChangeText(dateOf(2013, 3, 31)), "Sommerzeit von 2:00 Uhr auf 3:00 Uhr");
    EXPECT_EQ(dstChangeText(dateOf(2016, 3, 27)), "Sommerzeit von 2:00 Uhr auf 3:00 Uhr");
    EXPECT_EQ(dstChangeText(dateOf(2016, 3, 20)), "");
    EXPECT_EQ(dstChangeText(dateOf(2016, 10, 23)), "");
}

TEST(AstronomyLine, QuietDayHasThreeItems) {
    const std::string line = lineOf(dateOf(2016, 3, 18), AstronomySettings{});
    EXPECT_EQ(line, "Dämmerung: 5:45 - 18:51,\xC2\xA0Sonne: 6:16 - 18:20,\xC2\xA0"
                    "Mond: 13:26 - 3:36");
    EXPECT_EQ(itemCount(line), 3);
}

TEST(AstronomyLine, EventsFollowInTheirOrder) {
    const std::string line = lineOf(dateOf(2015, 9, 28), AstronomySettings{});
    const auto phase = line.find("Vollmond: ");
    const auto eclipse = line.find("Mondfinsternis total: ");
    const auto perigee = line.find("Mondnähe: ");
    ASSERT_NE(phase, std::string::npos) << line;
    ASSERT_NE(eclipse, std::string::npos) << line;
    ASSERT_NE(perigee, std::string::npos) << line;
    EXPECT_LT(phase, eclipse);
    EXPECT_LT(eclipse, perigee);
    EXPECT_EQ(itemCount(line), 6) << line;
    EXPECT_NE(lineOf(dateOf(2016, 3, 20), AstronomySettings{}).find("Frühlingsanfang: "),
              std::string::npos);
}

// The shortcuts (remembered lunations, the Sun sampled once for two lines) change no line.
TEST(AstronomyLine, ShortcutsGiveTheSameLines) {
    LunationCache cache;
    AstronomySettings settings;
    for (const int twilight : {0, 1, 2}) {
        settings.twilight = twilight;
        for (const int year : {1970, 1985, 1999, 2007, 2037}) {
            for (DayNumber day = firstDayOfYear(year); day < firstDayOfYear(year) + 212; ++day) {
                const WorkingDate date = workingDateOf(day);
                PhaseNearFlag cachedFlag = PhaseNearFlag::None;
                PhaseNearFlag plainFlag = PhaseNearFlag::None;
                const std::string line = astronomyLine(date, settings, cachedFlag, &cache);
                ASSERT_EQ(line, astronomyLine(date, settings, plainFlag, nullptr));
                ASSERT_EQ(cachedFlag, plainFlag) << line;
                const std::string separate =
                    riseSetLine(RiseSetKind::CivilTwilight, date, settings) + kAstronomySeparator +
                    riseSetLine(RiseSetKind::Sun, date, settings) + kAstronomySeparator +
                    riseSetLine(RiseSetKind::Moon, date, settings);
                ASSERT_EQ(line.substr(0, separate.size()), separate);
            }
        }
    }
}

TEST(AstronomyLine, OutOfRangeTwilightCountsAsCivil) {
    for (const int twilight : {-3, 7}) {
        AstronomySettings wild;
        wild.twilight = twilight;
        EXPECT_EQ(lineOf(dateOf(2016, 3, 18), wild),
                  lineOf(dateOf(2016, 3, 18), AstronomySettings{}));
    }
}

} // namespace
} // namespace tp
