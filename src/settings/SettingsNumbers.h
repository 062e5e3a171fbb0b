#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tp {

// Numbers of the settings file. Reading takes the number at the start of the text
// (optional sign, digits, ...) and ignores the rest; text without a number reads as 0.

// Wraps around modulo 2^64 when the digits do not fit, as the low bits are what is kept.
std::int64_t readSettingsInteger(std::string_view text);

// Also reads "+Infinity", "-Infinity" and "NaN" in any letter case.
double readSettingsDouble(std::string_view text);
float readSettingsFloat(std::string_view text);

// Six decimals in fixed notation: 1982.76f is "1982.760010".
std::string formatSettingsFloat(float value);

// General notation with up to 64 significant digits: the exact decimal expansion of the
// value, so that reading it back gives the same double.
std::string formatSettingsDouble(double value);

} // namespace tp
