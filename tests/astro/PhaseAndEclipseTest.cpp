#include "AstroTestSupport.h"
#include "astro/AstroTime.h"
#include "astro/AstronomyMarksSource.h"
#include "astro/DayAstronomyMarks.h"
#include "astro/Eclipses.h"
#include "astro/Lunation.h"
#include "astro/LunationCache.h"
#include "astro/MoonApsides.h"
#include "astro/MoonPhases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace tp {
namespace {

using astro_test::dateOf;
using astro_test::minutesOfClockText;
using astro_test::settingsWith;

std::string phaseText(const WorkingDate& date, const AstronomySettings& settings,
                      PhaseNearFlag* flagOut = nullptr) {
    PhaseNearFlag flag = PhaseNearFlag::None;
    std::string text = moonPhaseText(date, settings, flag, nullptr);
    if (flagOut)
        *flagOut = flag;
    return text;
}

TEST(MoonPhases, LocalDayDecidesWhereAPhaseIsShown) {
    // Full moon at about 22:50 UT on 31 March 1999.
    EXPECT_EQ(phaseText(dateOf(1999, 3, 31), settingsWith(1, false)), "Vollmond: 23:50");
    EXPECT_EQ(phaseText(dateOf(1999, 4, 1), settingsWith(1, false)), "");
    EXPECT_EQ(phaseText(dateOf(1999, 3, 31), settingsWith(2, false)), "");
    EXPECT_EQ(phaseText(dateOf(1999, 4, 1), settingsWith(2, false)), "Vollmond: 0:50");
    EXPECT_EQ(phaseText(dateOf(1999, 4, 1), settingsWith(1, true)), "Vollmond: 0:50");
}

TEST(MoonPhases, FlagTellsANewOrFullMoonIsNear) {
    const AstronomySettings settings;
    PhaseNearFlag flag = PhaseNearFlag::None;
    EXPECT_EQ(phaseText(dateOf(1999, 8, 11), settings, &flag), "Neumond: 13:09");
    EXPECT_EQ(flag, PhaseNearFlag::NewMoonNear);
    // The day after a new moon: the next one is more than 27 days away.
    EXPECT_EQ(phaseText(dateOf(1999, 8, 12), settings, &flag), "");
    EXPECT_EQ(flag, PhaseNearFlag::NewMoonNear);
    EXPECT_EQ(phaseText(dateOf(1999, 8, 18), settings, &flag), "");
    EXPECT_EQ(flag, PhaseNearFlag::None);
    EXPECT_EQ(phaseText(dateOf(2015, 9, 28), settings, &flag), "Vollmond: 4:51");
    EXPECT_EQ(flag, PhaseNearFlag::FullMoonNear);
}

// On every day the search gives the first phase of its kind not before noon UT of the day
// before (before 2000 starting 35 days back), or, where its few passes run out, an earlier
// one; it never passes over the next phase, so a phase on the day is always found.
TEST(MoonPhases, SearchNeverPassesOverTheNextPhase) {
    const AstronomySettings settings;
    LunationCache cache;
    for (const PhaseKind kind : {PhaseKind::NewMoon, PhaseKind::FirstQuarter, PhaseKind::FullMoon,
                                 PhaseKind::LastQuarter}) {
        double lunation = -380;
        for (DayNumber day = kFirstSupportedDay; day <= kLastSupportedDay; ++day) {
            const double notBefore = day + 2440587.0;
            while (std::trunc(truePhaseJde(lunation, kind)) < notBefore)
                ++lunation;
            const double next = truePhaseJde(lunation, kind);
            const WorkingDate date = workingDateOf(day);
            PhaseNearFlag flag = PhaseNearFlag::None;
            const double found = phaseSearch(kind, date, flag, &cache);
            ASSERT_TRUE(found == next || std::trunc(found) < notBefore)
                << "kind " << static_cast<int>(kind) << " day " << day;
            if (!formatEventTime(next, date, settings).empty()) {
                ASSERT_EQ(found, next) << "kind " << static_cast<int>(kind) << " day " << day;
            }
        }
    }
}

struct PublishedEclipse {
    int year, month, day;
    const char* prefix;
    int hourUt, minuteUt;
};

// Greatest eclipse of published eclipses (UT), shown with zone 0 and no summer time.
TEST(Eclipses, PublishedEclipsesAreFoundWithKindAndTime) {
    const PublishedEclipse eclipses[] = {
        {1999, 8, 11, "Sonnenfinsternis total: ", 11, 3},
        {2006, 3, 29, "Sonnenfinsternis total: ", 10, 11},
        {2015, 3, 20, "Sonnenfinsternis total: ", 9, 46},
        {2021, 6, 10, "Sonnenfinsternis ringförmig: ", 10, 41},
        {2022, 10, 25, "Sonnenfinsternis partiell: ", 11, 0},
        {1993, 5, 21, "Sonnenfinsternis partiell: ", 14, 19},
        {2015, 9, 28, "Mondfinsternis total: ", 2, 47},
        {2008, 2, 21, "Mondfinsternis total: ", 3, 26},
        {2019, 7, 16, "Mondfinsternis partiell: ", 21, 30},
        {2023, 10, 28, "Mondfinsternis partiell: ", 20, 14},
    };
    const AstronomySettings utc = settingsWith(0, false);
    int worstMinutes = 0;
    std::string worstLine;
    for (const PublishedEclipse& e : eclipses) {
        const WorkingDate date = dateOf(e.year, e.month, e.day);
        const bool solar = std::string(e.prefix).rfind("Sonnen", 0) == 0;
        const std::string text =
            solar ? solarEclipseText(date, utc, nullptr) : lunarEclipseText(date, utc, nullptr);
        const std::string prefix = e.prefix;
        int minutes = 24 * 60;
        if (text.rfind(prefix, 0) == 0)
            minutes = std::abs(minutesOfClockText(text.substr(prefix.size())) -
                               (e.hourUt * 60 + e.minuteUt));
        if (minutes > worstMinutes) {
            worstMinutes = minutes;
            worstLine = std::to_string(e.year) + "-" + std::to_string(e.month) + "-" +
                        std::to_string(e.day) + ": \"" + text + "\"";
        }
    }
    EXPECT_LE(worstMinutes, 3) << "worst: " << worstLine;
}

TEST(Eclipses, TotalSolarEclipseOf1999InLocalTime) {
    const AstronomySettings settings = settingsWith(1, true);
    EXPECT_EQ(solarEclipseText(dateOf(1999, 8, 11), settings, nullptr),
              "Sonnenfinsternis total: 13:04");
    EXPECT_EQ(solarEclipseText(dateOf(1999, 8, 10), settings, nullptr), "");
    EXPECT_EQ(solarEclipseText(dateOf(1999, 8, 12), settings, nullptr), "");
    EXPECT_EQ(lunarEclipseText(dateOf(1999, 8, 11), settings, nullptr), "");
}

TEST(Eclipses, TotalLunarEclipseOf2015InLocalTime) {
    const std::string text = lunarEclipseText(dateOf(2015, 9, 28), settingsWith(1, true), nullptr);
    ASSERT_EQ(text.rfind("Mondfinsternis total: ", 0), 0u) << text;
    EXPECT_NEAR(minutesOfClockText(text.substr(22)), 4 * 60 + 47, 2) << text;
}

TEST(Eclipses, LunationFarFromANodeHasNoEclipse) {
    // Lunation 0 (January 2000): sin F is far above 0.36 at the new moon.
    ASSERT_GT(std::fabs(std::sin(160.7108 * 0.0174532925199433)), 0.3);
    for (const int type : {0, 1, 2})
        EXPECT_EQ(eclipseJde(0, 0, type), 0.0) << type;
    // The book's example: 1993 May 21, partial solar eclipse of lunation -82.
    EXPECT_NEAR(eclipseJde(-82, 0, 0), 2449129.0979, 2e-4);
    EXPECT_EQ(eclipseJde(-82, 0, 1), 0.0);
    // And a penumbral lunar eclipse only (June 1973): no umbral eclipse reported.
    EXPECT_EQ(eclipseJde(-328.5, 0.5, 0), 0.0);
    EXPECT_EQ(eclipseJde(-328.5, 0.5, 1), 0.0);
}

// Each year of 1970..2037 has at least two solar eclipses, and the page marks agree with
// the texts: an eclipse mark only on a day the phase searches flagged.
TEST(Eclipses, EveryYearHasSolarEclipsesAndMarksFollowTheFlag) {
    const AstronomySettings settings;
    LunationCache cache;
    DayMarkRequest request;
    request.moonPhases = true;
    request.eclipses = true;
    for (int year = kFirstSupportedYear; year < kLastSupportedYear; ++year) {
        int solar = 0;
        for (DayNumber day = firstDayOfYear(year); day < firstDayOfYear(year + 1); ++day) {
            const WorkingDate date = workingDateOf(day);
            const DayAstronomyMarks marks = dayAstronomyMarks(date, settings, request, cache);
            PhaseNearFlag flag = PhaseNearFlag::None;
            moonPhaseText(date, settings, flag, &cache);
            if (marks.eclipse == EclipseMark::Solar) {
                ++solar;
                ASSERT_EQ(flag, PhaseNearFlag::NewMoonNear) << "day " << day;
            }
            if (marks.eclipse == EclipseMark::Lunar) {
                ASSERT_EQ(flag, PhaseNearFlag::FullMoonNear) << "day " << day;
            }
        }
        EXPECT_GE(solar, 2) << year;
    }
}

TEST(DayAstronomyMarks, MarksFollowTheTexts) {
    const AstronomySettings settings;
    LunationCache cache;
    DayMarkRequest all;
    all.moonPhases = all.eclipses = all.apsides = true;
    struct Case {
        int year, month, day;
        MoonPhaseMark phase;
        EclipseMark eclipse;
    };
    const Case cases[] = {
        {1999, 8, 11, MoonPhaseMark::NewMoon, EclipseMark::Solar},
        {2015, 9, 28, MoonPhaseMark::FullMoon, EclipseMark::Lunar},
        {2007, 3, 12, MoonPhaseMark::LastQuarter, EclipseMark::None},
        {2016, 3, 15, MoonPhaseMark::FirstQuarter, EclipseMark::None},
        {2016, 3, 16, MoonPhaseMark::None, EclipseMark::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month << "-" << c.day);
        const DayAstronomyMarks marks =
            dayAstronomyMarks(dateOf(c.year, c.month, c.day), settings, all, cache);
        EXPECT_EQ(marks.moonPhase, c.phase);
        EXPECT_EQ(marks.eclipse, c.eclipse);
    }
    // 28 September 2015 is also a perigee day.
    EXPECT_STREQ(apsisLetter(dayAstronomyMarks(dateOf(2015, 9, 28), settings, all, cache).apsis),
                 "N");
    // Nothing asked, nothing marked.
    const DayAstronomyMarks none =
        dayAstronomyMarks(dateOf(1999, 8, 11), settings, DayMarkRequest{}, cache);
    EXPECT_EQ(none.moonPhase, MoonPhaseMark::None);
    EXPECT_EQ(none.eclipse, EclipseMark::None);
    EXPECT_EQ(none.apsis, ApsisMark::None);
}

// Every day of the calendar's years and a margin, for places whose clocks put events on
// other days: the marks of a page, which skip the days without an event nearby, are those
// the day's own texts give.
TEST(DayAstronomyMarks, EveryDayAsItsTextsSay) {
    const AstronomySettings places[] = {AstronomySettings{}, settingsWith(-5, false),
                                        settingsWith(10, true), settingsWith(-11.5, true)};
    DayMarkRequest all;
    all.moonPhases = all.eclipses = all.apsides = true;
    DayMarkRequest eclipsesOnly;
    eclipsesOnly.eclipses = true;
    for (const AstronomySettings& place : places) {
        for (const DayMarkRequest& request : {all, eclipsesOnly}) {
            LunationCache page;
            LunationCache texts;
            for (DayNumber day = dayNumberOf(1969, 6, 1); day < dayNumberOf(2038, 7, 1); ++day) {
                const WorkingDate date = workingDateOf(day);
                PhaseNearFlag flag = PhaseNearFlag::None;
                const std::string phase = moonPhaseText(date, place, flag, &texts);
                const bool solar = flag == PhaseNearFlag::NewMoonNear &&
                                   !solarEclipseText(date, place, &texts).empty();
                const bool lunar = flag == PhaseNearFlag::FullMoonNear &&
                                   !lunarEclipseText(date, place, &texts).empty();
                const DayAstronomyMarks marks = dayAstronomyMarks(date, place, request, page);
                ASSERT_EQ(marks.moonPhase == MoonPhaseMark::None,
                          !request.moonPhases || phase.empty())
                    << day;
                ASSERT_EQ(marks.eclipse, solar   ? EclipseMark::Solar
                                         : lunar ? EclipseMark::Lunar
                                                 : EclipseMark::None)
                    << day;
                const bool apogee = !apogeeText(date, place, &texts).empty();
                const bool perigee = !perigeeText(date, place, &texts).empty();
                ASSERT_EQ(marks.apsis, !request.apsides ? ApsisMark::None
                                       : apogee         ? ApsisMark::Apogee
                                       : perigee        ? ApsisMark::Perigee
                                                        : ApsisMark::None)
                    << day;
            }
        }
    }
}

// Marks found ahead of their page are those found when the page asks for them.
TEST(DayAstronomyMarks, PreparedMarksAreThoseOfTheDay) {
    const AstronomySettings place = settingsWith(10, true);
    DayMarkRequest all;
    all.moonPhases = all.eclipses = all.apsides = true;
    const DayNumber first = dayNumberOf(1985, 1, 10);
    const DayNumber last = dayNumberOf(1987, 2, 20);
    LunationCache prepared;
    prepareDayAstronomyMarks(first, last, place, all, prepared);
    for (DayNumber day = first - 5; day <= last + 5; ++day) {
        LunationCache fresh;
        const DayAstronomyMarks expected = dayAstronomyMarks(workingDateOf(day), place, all, fresh);
        const DayAstronomyMarks marks = dayAstronomyMarks(workingDateOf(day), place, all, prepared);
        ASSERT_EQ(marks.moonPhase, expected.moonPhase) << day;
        ASSERT_EQ(marks.eclipse, expected.eclipse) << day;
        ASSERT_EQ(marks.apsis, expected.apsis) << day;
    }
}

// A cache that remembers the marks of days it was asked for answers for the place and the
// marks asked now: another time zone moves events to other days.
TEST(DayAstronomyMarks, OneCacheServesEveryPlaceAndRequest) {
    DayMarkRequest all;
    all.moonPhases = all.eclipses = all.apsides = true;
    DayMarkRequest phasesOnly;
    phasesOnly.moonPhases = true;
    DayMarkRequest apsidesOnly;
    apsidesOnly.apsides = true;
    const AstronomySettings places[] = {AstronomySettings{}, settingsWith(-5, false),
                                        settingsWith(10, true)};
    LunationCache shared;
    for (int pass = 0; pass < 2; ++pass) {
        for (const AstronomySettings& place : places) {
            for (const DayMarkRequest& request : {all, phasesOnly, apsidesOnly}) {
                LunationCache fresh;
                for (DayNumber day = dayNumberOf(1999, 7, 1); day < dayNumberOf(2000, 1, 1);
                     ++day) {
                    const WorkingDate date = workingDateOf(day);
                    const DayAstronomyMarks expected =
                        dayAstronomyMarks(date, place, request, fresh);
                    const DayAstronomyMarks marks = dayAstronomyMarks(date, place, request, shared);
                    ASSERT_EQ(marks.moonPhase, expected.moonPhase) << "day " << day;
                    ASSERT_EQ(marks.eclipse, expected.eclipse) << "day " << day;
                    ASSERT_EQ(marks.apsis, expected.apsis) << "day " << day;
                }
            }
        }
    }
}

// "Mondphasen anzeigen" governs the phase symbols and "Perihel und Aphel anzeigen" the
// apsis letters; eclipses are marked whatever the switches say.
TEST(DayAstronomyMarks, SwitchesGovernPhasesAndLettersButNotEclipses) {
    for (const bool moonPhases : {false, true}) {
        for (const bool orbitExtremes : {false, true}) {
            SCOPED_TRACE(::testing::Message() << moonPhases << orbitExtremes);
            LunationCache cache;
            const AstronomyMarksSource source(AstronomySettings{},
                                              dayMarkRequestOf(moonPhases, orbitExtremes), cache);
            DayMarks solar;
            source.addMarks(dayNumberOf(1999, 8, 11), solar);
            EXPECT_EQ(solar.eclipse, EclipseSymbol::Solar);
            EXPECT_EQ(solar.moonPhase, moonPhases ? 'N' : 0);
            DayMarks lunar;
            source.addMarks(dayNumberOf(2015, 9, 28), lunar);
            EXPECT_EQ(lunar.eclipse, EclipseSymbol::Lunar);
            EXPECT_EQ(lunar.moonPhase, moonPhases ? 'V' : 0);
            EXPECT_EQ(lunar.lunarApsis, orbitExtremes ? 'N' : 0);
        }
    }
}

} // namespace
} // namespace tp
