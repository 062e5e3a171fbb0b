#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tp {

// The user's settings as kept in "Einstellungen.dat" (strings UTF-8).
struct ProgramSettings {
    // [Programmeinstellungen]
    std::string fontName = "System";
    std::int32_t fontSize = 10;
    std::int32_t fontStyle = 0; // 256 bold, 512 italic, 4 underline, 8 strike-out, 16 quality
    std::int8_t lastColumnIndex = 5;
    bool showSchoolHolidays = true;
    bool showWeekNumbers = true;
    std::string userDataFolder; // "Anwenderverzeichnis"
    std::string userName = "Programm";
    std::int8_t calendarType = 0;
    bool showVacationBlock = true;
    float targetHours38 = 1982.76f;
    float targetHours40 = 2088.0f;
    std::int32_t vacationStartMonth = 4;
    std::int32_t vacationStartDay = 25;
    std::int32_t vacationCycle = 0;
    // The hourly base wage in cents for the supplements window; written only once given, so
    // files without it stay as they were.
    std::optional<std::int32_t> hourlyWageCents;
    // Kept in the default user's file only: the user who last left the program, if another;
    // written only then, so files without it stay as they were.
    std::string lastUserName;
    // The check value of the user's note password, a salted hash the password cannot be
    // recovered from; written only once made, so files without it stay as they were.
    std::string notePasswordCheck;
    // [Astronomie]
    double latitude = 48.47;   // degrees.minutes, north positive
    double longitude = -12.52; // degrees.minutes, west positive
    double timeZone = 1.0;     // hours east of Greenwich
    bool automaticSummerTime = true;
    std::string placeName = "Wendring";
    std::int8_t twilight = 0; // 0 civil, 1 nautical, 2 astronomical
    bool showMoonPhases = false;
    bool showOrbitExtremes = false;
};

} // namespace tp
