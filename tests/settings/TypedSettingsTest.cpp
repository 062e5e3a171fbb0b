#include "settings/TypedSettings.h"

#include "model/BlockCrewOrder.h"
#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

namespace tp {
namespace {

TEST(DegreesMinutesTest, TypedCoordinatesBecomeDegreesAndMinutes) {
    const struct {
        const char* text;
        double limit;
        double expected;
    } cases[] = {
        {"48,47", 90, 48.47},   {"48 47", 90, 48.47}, {"48'47", 90, 48.47}, {"12.7", 180, 12.42},
        {"48.75", 90, 48.45},   {"120", 90, 30},      {"210", 180, 30},     {"-12.52", 180, -12.52},
        {"48.4799", 90, 48.47}, {"", 90, 0},          {"Nord", 90, 0},      {"nan", 90, 0},
        {"90", 90, 90},         {"0.59", 90, 0.59},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(parseDegreesMinutes(c.text, c.limit), c.expected) << c.text;
}

TEST(DegreesMinutesTest, TimeZoneIsKeptWithinItsRange) {
    EXPECT_DOUBLE_EQ(parseTimeZone("-13"), -13);
    EXPECT_DOUBLE_EQ(parseTimeZone("5,5"), 5.5);
    EXPECT_DOUBLE_EQ(parseTimeZone("x"), 0);
    EXPECT_DOUBLE_EQ(limitedTimeZoneHours(15, false), 14);
    EXPECT_DOUBLE_EQ(limitedTimeZoneHours(13, true), 12);
    EXPECT_DOUBLE_EQ(limitedTimeZoneHours(13, false), 13);
    EXPECT_EQ(parseTargetHours(" 1982,76 "), 1982.76f);
    EXPECT_EQ(parseTargetHours("viel"), std::nullopt);
}

TEST(CrewOrderTest, OrdersFollowTheCrewTableOfTheYear) {
    const auto early = crewOrderTexts(2016);
    EXPECT_EQ(early[0], "Rot, Blau, Gelb, Grün, Braun");
    EXPECT_EQ(early[1], "Blau, Gelb, Grün, Braun, Rot");
    EXPECT_EQ(early[4], "Braun, Rot, Blau, Gelb, Grün");
    EXPECT_EQ(crewOrderTexts(2017)[0], "Grün, Braun, Rot, Blau, Gelb");
    EXPECT_EQ(crewOrderTexts(2027)[1], "Braun, Rot, Blau, Gelb, Grün");
    EXPECT_EQ(crewOrderTexts(2028)[0], "Blau, Gelb, Grün, Braun, Rot");
}

TEST(CrewOrderTest, StoringAChoiceKeepsTheCycleAndTheEarliestStart) {
    ProgramSettings chosen;
    chosen.vacation = {{5, 3}, 2};
    const ProgramSettings settings = settingsFromFileBytes(settingsFileBytes(chosen), "");
    EXPECT_EQ(settings.vacation.cycle, 2);
    EXPECT_EQ(settings.vacation.earliestStart.month, 5);
    EXPECT_EQ(settings.vacation.earliestStart.day, 3);
}

} // namespace
} // namespace tp
