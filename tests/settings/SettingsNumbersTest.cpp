#include "settings/SettingsNumbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

namespace tp {
namespace {

TEST(SettingsNumbers, IntegersAreReadFromTheStartOfTheText) {
    const struct {
        const char* text;
        std::int64_t expected;
    } cases[] = {
        {"25", 25},
        {"-7", -7},
        {"+12", 12},
        {"12pt", 12},
        {"4.9", 4},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {" 5", 0}, // the value's leading blanks are gone before this is asked
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {"18446744073709551621", 5}, // wraps modulo 2^64 instead of failing
    };
    for (const auto& c : cases)
        EXPECT_EQ(readSettingsInteger(c.text), c.expected) << c.text;
}

TEST(SettingsNumbers, RealsAreReadFromTheStartOfTheText) {
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"48.47", 48.47},
        {"-12.52xyz", -12.52},
        {"+1.5", 1.5},
        {"1e3", 1000.0},
        {"2.5E-1", 0.25},
        {"7e", 7.0},
        {"7e+", 7.0},
        {"3.", 3.0},
        {".5", 0.5},
        {"abc", 0.0},
        {"", 0.0},
        {"-", 0.0},
        {"+Infinity", infinity},
        {"-INFINITY", -infinity},
        {"infinity", infinity},
        {"1e999", infinity},
        {"-1e999", -infinity},
        {"1e-999", 0.0},
        {"0.0001e-400", 0.0},
        {"1e99999999999999999999", infinity},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readSettingsDouble(c.text), c.expected) << c.text;
    EXPECT_TRUE(std::isnan(readSettingsDouble("NaN")));
    EXPECT_TRUE(std::isnan(readSettingsDouble("nan")));
    EXPECT_TRUE(std::isnan(readSettingsFloat("-nAn")));
    EXPECT_EQ(readSettingsFloat("1982.760010"), 1982.76f);
    EXPECT_EQ(readSettingsFloat("1e40"), std::numeric_limits<float>::infinity());
}

TEST(SettingsNumbers, WrittenLikeTheStoredFile) {
    EXPECT_EQ(formatSettingsFloat(1982.76f), "1982.760010");
    EXPECT_EQ(formatSettingsFloat(2088.0f), "2088.000000");
    EXPECT_EQ(formatSettingsFloat(-0.5f), "-0.500000");
    EXPECT_EQ(formatSettingsDouble(48.47), "48.469999999999998863131622783839702606201171875");
    EXPECT_EQ(formatSettingsDouble(-12.52), "-12.519999999999999573674358543939888477325439453125");
    EXPECT_EQ(formatSettingsDouble(1.0), "1");
    EXPECT_EQ(formatSettingsDouble(0.0), "0");
    EXPECT_EQ(formatSettingsDouble(0x1p-20), "9.5367431640625e-07");
    EXPECT_EQ(formatSettingsDouble(0x1p60), "1152921504606846976");
    const std::string large = formatSettingsDouble(0x1p213); // 65 digits, cut to 64
    EXPECT_TRUE(large.starts_with("1.3164036458569648") && large.ends_with("e+64")) << large;
    EXPECT_EQ(formatSettingsDouble(std::numeric_limits<double>::infinity()), "+Infinity");
    EXPECT_EQ(formatSettingsDouble(-std::numeric_limits<double>::infinity()), "-Infinity");
    EXPECT_EQ(formatSettingsDouble(std::numeric_limits<double>::quiet_NaN()), "NaN");
}

TEST(SettingsNumbers, EveryDoubleReadsBackExactly) {
    std::mt19937_64 random(20261207);
    int checked = 0;
    while (checked < 20000) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value))
            continue;
        ++checked;
        const std::string text = formatSettingsDouble(value);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(readSettingsDouble(text)),
                  std::bit_cast<std::uint64_t>(value))
            << text;
    }
    for (double value : {std::numeric_limits<double>::denorm_min(),
                         std::numeric_limits<double>::max(), -0.0, 0.1, 14.0, -12.0})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(readSettingsDouble(formatSettingsDouble(value))),
                  std::bit_cast<std::uint64_t>(value));
}

} // namespace
} // namespace tp
