#include "settings/TypedSettings.h"

#include "model/BlockCrewOrder.h"
#include "settings/SettingsNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tp {

namespace {

constexpr std::array<std::string_view, kCrewCount> kCrewNames{"Rot", "Blau", "Gelb", "Grün",
                                                              "Braun"};

// Comma, blank and apostrophe all separate degrees from minutes (or hours from decimals).
std::string withDecimalPoint(std::string_view text) {
    std::string normalised(text);
    for (char& c : normalised)
        if (c == ',' || c == ' ' || c == '\'')
            c = '.';
    return normalised;
}

// Typed text never means infinity or not-a-number.
double finiteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

double parseDegreesMinutes(std::string_view text, double limit) {
    double value = finiteOrZero(readSettingsDouble(withDecimalPoint(text)));
    double whole = std::trunc(value);
    if (std::fabs(value - whole) >= 0.599) // no minute value: decimal degrees
        value = whole + (value - whole) * 0.6;
    whole = std::trunc(value);
    if (std::fabs(value) > limit)
        value = std::fmod(whole, limit) + (value - whole);
    // A small allowance, so that 12.42 (held as 12.41999...) is not cut to 12.41.
    return std::trunc(value * 100.0 + std::copysign(1e-6, value)) / 100.0;
}

double parseTimeZone(std::string_view text) {
    return finiteOrZero(readSettingsDouble(withDecimalPoint(text)));
}

double limitedTimeZoneHours(double hours, bool west) {
    return std::min(hours, west ? 12.0 : 14.0);
}

std::optional<float> parseTargetHours(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    std::string digits(text);
    std::replace(digits.begin(), digits.end(), ',', '.');
    // Digits with at most one point: no sign, no exponent, no other base.
    if (std::count(digits.begin(), digits.end(), '.') > 1 ||
        digits.find_first_not_of("0123456789.") != std::string::npos ||
        digits.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;
    double value = 0;
    const auto [rest, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                               std::chars_format::fixed);
    if (error != std::errc() || rest != digits.data() + digits.size() ||
        value > kLargestTargetHours)
        return std::nullopt;
    return static_cast<float>(value);
}

std::array<std::string, kCrewCount> crewOrderTexts(int calendarYear) {
    const auto& firstRow = blockVacationTableOf(DefaultBlockVacationTables, calendarYear)[0];
    std::array<std::string, kCrewCount> texts;
    for (int rotation = 0; rotation < kCrewCount; ++rotation) {
        for (int period = 0; period < kCrewCount; ++period) {
            if (period > 0)
                texts[rotation] += ", ";
            texts[rotation] += kCrewNames[firstRow[(period + rotation) % kCrewCount]];
        }
    }
    return texts;
}

} // namespace tp
