#include "settings/SettingsNumbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace tp {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool startsWithIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    return std::equal(word.begin(), word.end(), text.begin(), [](char wordChar, char textChar) {
        return wordChar == (textChar >= 'A' && textChar <= 'Z' ? textChar + 0x20 : textChar);
    });
}

// The decimal number at the start of `text`, split up so that it can be converted and
// its size judged when it does not fit.
struct DecimalPrefix {
    bool negative = false;
    int integerDigits = 0; // digits before the point, leading zeros excluded
    int leadingFractionZeros = 0;
    bool anyNonZeroDigit = false;
    long exponent = 0;
    std::string_view number; // what from_chars is given: mantissa and exponent, no sign
};

// False when `text` does not begin with a number (after an optional sign).
bool scanDecimalPrefix(std::string_view text, DecimalPrefix& prefix) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        prefix.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t mantissaStart = pos;
    bool seenDigit = false;
    bool seenNonZero = false;
    while (pos < text.size() && isDigit(text[pos])) {
        seenDigit = true;
        if (text[pos] != '0')
            seenNonZero = true;
        if (seenNonZero)
            ++prefix.integerDigits;
        ++pos;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && isDigit(text[pos])) {
            seenDigit = true;
            if (text[pos] != '0')
                seenNonZero = true;
            else if (!seenNonZero)
                ++prefix.leadingFractionZeros;
            ++pos;
        }
    }
    if (!seenDigit)
        return false;
    prefix.anyNonZeroDigit = seenNonZero;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        bool exponentNegative = false;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            exponentNegative = text[exponentPos] == '-';
            ++exponentPos;
        }
        if (exponentPos < text.size() && isDigit(text[exponentPos])) {
            long exponent = 0;
            while (exponentPos < text.size() && isDigit(text[exponentPos])) {
                exponent = std::min(exponent * 10 + (text[exponentPos] - '0'), 1'000'000L);
                ++exponentPos;
            }
            prefix.exponent = exponentNegative ? -exponent : exponent;
            pos = exponentPos;
        }
    }
    prefix.number = text.substr(mantissaStart, pos - mantissaStart);
    return true;
}

template <typename Real> Real readReal(std::string_view text) {
    std::string_view unsignedText = text;
    bool negative = false;
    if (!unsignedText.empty() && (unsignedText[0] == '+' || unsignedText[0] == '-')) {
        negative = unsignedText[0] == '-';
        unsignedText.remove_prefix(1);
    }
    if (startsWithIgnoringCase(unsignedText, "infinity")) {
        const Real infinity = std::numeric_limits<Real>::infinity();
        return negative ? -infinity : infinity;
    }
    if (startsWithIgnoringCase(unsignedText, "nan"))
        return std::numeric_limits<Real>::quiet_NaN();

    DecimalPrefix prefix;
    if (!scanDecimalPrefix(text, prefix))
        return Real{0};
    Real value{};
    const auto result =
        std::from_chars(prefix.number.data(), prefix.number.data() + prefix.number.size(), value,
                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Position of the first significant digit decides between overflow and underflow.
        const long magnitude = prefix.integerDigits > 0
                                   ? prefix.integerDigits + prefix.exponent
                                   : prefix.exponent - prefix.leadingFractionZeros;
        value = prefix.anyNonZeroDigit && magnitude > 0 ? std::numeric_limits<Real>::infinity()
                                                        : Real{0};
    } else if (result.ec != std::errc{}) {
        value = Real{0};
    }
    return prefix.negative ? -value : value;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value))
        return "NaN";
    return value > 0 ? "+Infinity" : "-Infinity";
}

} // namespace

std::int64_t readSettingsInteger(std::string_view text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::uint64_t magnitude = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        ++pos;
    }
    if (negative)
        magnitude = ~magnitude + 1;
    return static_cast<std::int64_t>(magnitude);
}

double readSettingsDouble(std::string_view text) {
    return readReal<double>(text);
}

float readSettingsFloat(std::string_view text) {
    return readReal<float>(text);
}

std::string formatSettingsFloat(float value) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    // Up to 39 integer digits, the point and six decimals.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 6);
    return std::string(buffer.data(), result.ptr);
}

std::string formatSettingsDouble(double value) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    std::array<char, 128> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 64);
    return std::string(buffer.data(), result.ptr);
}

} // namespace tp
