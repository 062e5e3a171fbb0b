#pragma once

#include <string_view>

namespace tp {

// Names commemorated on the date (month 1..12); the same entry in common and leap years.
std::string_view nameDayText(int year, int month, int day);

} // namespace tp
