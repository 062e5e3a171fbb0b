#pragma once

#include "astro/AstronomySettings.h"
#include "model/CalendarType.h"
#include "model/MonthColumns.h"
#include "model/ShiftSystem.h"

#include <cstdint>
#include <optional>
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

// When the vacation block may start, and by how many places the crew order of its periods is
// rotated.
struct VacationRules {
    MonthDay earliestStart{};
    int cycle = 0; // 0..4, the chosen crew order
};

// What the accounts are measured against.
struct AccountTargets {
    float targetHours38 = 1982.76f; // a year's target hours at 38 hours a week
    float targetHours40 = 2088.0f;
    // The hourly base wage in cents for the supplements window; written only once given, so
    // files without it stay as they were.
    std::optional<int> hourlyWageCents;
};

// What the user chose for keeping the shifts in a CalDAV calendar. Each value is written only
// once set, so files without them stay as they were; unset values have the defaults below. The
// password is never kept here.
struct CalendarSyncChoices {
    std::string serverAddress; // as typed: a server or a calendar URL
    std::string userName;
    std::string calendarUrl; // the calendar chosen from those found
    std::optional<int> crew; // unset: the base crew
    std::optional<int> monthsBefore;
    std::optional<int> monthsAfter;
    std::optional<int> alarmMinutes;
    std::optional<bool> syncAtEnd;

    int monthsBeforeToday() const { return monthsBefore.value_or(1); }
    int monthsAfterToday() const { return monthsAfter.value_or(12); }
    int reminderMinutes() const { return alarmMinutes.value_or(0); }
    bool syncWhenEnding() const { return syncAtEnd.value_or(false); }
};

// The user's settings as kept in "Einstellungen.dat" (texts UTF-8), in the groups the program
// works with.
struct ProgramSettings {
    FontChoice font;
    int lastColumnIndex = kDefaultLastColumnIndex; // the page shows columns 0..lastColumnIndex
    PageSwitches switches;
    // "Anwenderverzeichnis": the "TPDaten" that holds the user's data folder.
    std::string userDataFolder;
    std::string userName = "Programm";
    CalendarType calendarType = CalendarType::WendringPm1;
    VacationRules vacation;
    AccountTargets accounts;
    // Kept in the default user's file only: the user who last left the program, if another;
    // written only then, so files without it stay as they were.
    std::string lastUserName;
    // The check value of the user's note password, a salted hash the password cannot be
    // recovered from; written only once made, so files without it stay as they were.
    std::string notePasswordCheck;
    CalendarSyncChoices calendarSync;
    // The folder of the automatic backups when not "Sicherungen" in the data root (a USB stick,
    // a network share); written only once chosen, so files without it stay as they were.
    std::string backupFolder;
    // Whether the end of a run writes the automatic backup (false: the user turned it off);
    // written only once chosen, so files without it stay as they were.
    std::optional<bool> automaticBackups;
    AstronomySettings place;
    std::string placeName = "Wendring";
};

} // namespace tp
