#pragma once

#include <array>
#include <string_view>

namespace tp {

// The help texts, each shown in its own window.
enum class HelpTopic {
    ProgramInfo, // key I and "Programm" in the "Info" window
    ProgramMenu, // the "Info" of the program menu
    Keyboard,    // made from the main window's command table
    ShiftMarkings,
    CalendarBars,
    Notes,    // also the "Info" of the "Notiz" menu
    UserName, // also the "Info" of the login window
    Settings, // also the "Info" of the settings dialog
    Supplements,
    CalendarSync, // the "Info" of the calendar sync window
};

inline constexpr int kHelpTopicCount = 10;

struct HelpTopicInfo {
    HelpTopic topic;
    std::string_view title;    // UTF-8
    int heightRows;            // window height in rows; every help window is 98 characters wide
    std::string_view resource; // empty for the key help
};

inline constexpr int kHelpWindowWidthUnits = 98;

inline constexpr std::array<HelpTopicInfo, kHelpTopicCount> HelpTopics{{
    {HelpTopic::ProgramInfo, "Programminfo", 41, ":/help/programminfo.txt"},
    {HelpTopic::ProgramMenu, "Programm", 39, ":/help/programm.txt"},
    {HelpTopic::Keyboard, "Tastaturbelegung", 38, ""},
    {HelpTopic::ShiftMarkings, "Schichtmarkierung", 39, ":/help/schichtmarkierung.txt"},
    {HelpTopic::CalendarBars, "Kalendermarkierung", 9, ":/help/kalendermarkierung.txt"},
    {HelpTopic::Notes, "Infos zu den Notizen und Markierungen", 39, ":/help/notizen.txt"},
    {HelpTopic::UserName, "Benutzername und Passwort", 13, ":/help/benutzername.txt"},
    {HelpTopic::Settings, "Programmeinstellungen", 39, ":/help/programmeinstellungen.txt"},
    {HelpTopic::Supplements, "Zuschläge", 25, ":/help/zuschlaege.txt"},
    {HelpTopic::CalendarSync, "Kalender-Abgleich", 24, ":/help/kalenderabgleich.txt"},
}};

constexpr const HelpTopicInfo& helpTopicInfo(HelpTopic topic) {
    return HelpTopics[static_cast<std::size_t>(topic)];
}

static_assert(helpTopicInfo(HelpTopic::Settings).topic == HelpTopic::Settings);
static_assert(helpTopicInfo(HelpTopic::CalendarBars).heightRows == 9);

} // namespace tp
