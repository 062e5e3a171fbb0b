#pragma once

#include <cstdint>
#include <string>

namespace tp {

// What the user chose to see on the page besides the shifts themselves.
struct PageSwitches {
    bool schoolHolidays = true;
    bool weekNumbers = true;
    bool moonPhases = false;
    bool orbitExtremes = false; // the apogee and perigee letters
    bool vacationBlock = true;  // the "UB" toggle
};

// The page font as the user chose it: "System" is the desktop's default font; the style bits
// are 256 bold, 512 italic, 4 underline, 8 strike-out, 16 quality.
struct FontChoice {
    std::string name = "System"; // UTF-8
    std::int32_t size = 10;      // points
    std::int32_t style = 0;
};

} // namespace tp
