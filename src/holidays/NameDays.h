#pragma once

#include <string_view>

namespace tp {

// Names commemorated on the date (month index 0..11); the same entry in common and leap years.
std::string_view nameDayText(int year, int monthIndex, int day);

} // namespace tp
