#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace tp {
namespace {

using namespace std::string_literals;

const std::string kDataRoot = "/daten/TPDaten/";

ProgramSettings read(std::string_view fileBytes) {
    return settingsFromFileBytes(fileBytes, kDataRoot);
}

// Settings as read from a missing file, changed by `change`.
ProgramSettings defaultsWith(const std::function<void(ProgramSettings&)>& change) {
    ProgramSettings settings = read("");
    change(settings);
    return settings;
}

// Two settings are the same when they would write the same file.
void expectSame(const ProgramSettings& actual, const ProgramSettings& expected,
                const std::string& context) {
    EXPECT_EQ(settingsFileBytes(actual), settingsFileBytes(expected)) << context;
}

struct ReadingCase {
    const char* name;
    std::string fileBytes; // Windows-1252 unless it starts with a byte-order mark
    std::function<void(ProgramSettings&)> expectedChange;
};

TEST(SettingsReading, LinesAreReadByTheFileRules) {
    const ReadingCase cases[] = {
        {"lower-case key alone in its group", "[Astronomie]\r\nbreite = 50\r\n",
         [](auto& s) { s.place.latitude = 50.0; }},
        {"key in the wrong group", "[Programmeinstellungen]\r\nBreite = 50\r\n", [](auto&) {}},
        {"key before any group", "Fontstil = 256\r\n[Programmeinstellungen]\r\n", [](auto&) {}},
        {"accented keys in upper case",
         "[PROGRAMMEINSTELLUNGEN]\r\nFONTGR\xD6\xDF"
         "E = 12\r\n[astronomie]\r\nL\xC4NGE = 11.5\r\nD\xC4MMERUNG = 2\r\n",
         [](auto& s) {
             s.font.size = 12;
             s.place.longitude = 11.5;
             s.place.twilight = 2;
         }},
        {"text in Windows-1252", "[Astronomie]\r\nOrtsname = M\xFCnchen \x80\r\n",
         [](auto& s) { s.placeName = "München €"; }},
        {"broken UTF-8 ends at its line end",
         "\xEF\xBB\xBF[Astronomie]\r\nOrtsname = Ort\xE2\r\nD\xC3\xA4mmerung = 2\r\n",
         [](auto& s) {
             s.placeName = "Ort?";
             s.place.twilight = 2;
         }},
        {"UTF-8 with byte-order mark",
         "\xEF\xBB\xBF[Astronomie]\r\nOrtsname = München\r\nLänge = 10\r\n",
         [](auto& s) {
             s.placeName = "München";
             s.place.longitude = 10.0;
         }},
        {"blanks, tabs, no blanks around '='",
         "  \t[Astronomie] trailing words\r\n\t  Ortsname\t = \t Berg am See  \r\n"
         "Zeitzone=2\r\n",
         [](auto& s) {
             s.placeName = "Berg am See  ";
             s.place.timeZone = 2.0;
         }},
        {"comments and empty lines", "[Astronomie]\r\n;Breite = 10\r\n; Breite = 11\r\n\r\n\r\n",
         [](auto&) {}},
        {"first of two equal keys counts", "[Astronomie]\r\nBreite = 10\r\nbreite = 20\r\n",
         [](auto& s) { s.place.latitude = 10.0; }},
        {"lines ended by LF or CR alone",
         "[Programmeinstellungen]\nFontstil = 512\rAnwendername = Eva\n",
         [](auto& s) {
             s.font.style = 512;
             s.userName = "Eva";
         }},
        {"switch keeps the low byte",
         "[Programmeinstellungen]\r\nSchulferien anzeigen = 256\r\nWochennummer anzeigen = 0"
         "\r\nUrlaubBlockAnzeige = -3\r\n[Astronomie]\r\nMondphasen anzeigen = 257\r\n",
         [](auto& s) {
             s.switches.schoolHolidays = false;
             s.switches.weekNumbers = false;
             s.switches.moonPhases = true;
         }},
        {"byte field keeps the low byte", "[Programmeinstellungen]\r\nSchichtspalten = 263\r\n",
         [](auto& s) { s.lastColumnIndex = 7; }},
        {"numbers read from the start",
         "[Programmeinstellungen]\r\nFontstil = 256 fett\r\nSollstunden_38 = 1900.5 h\r\n"
         "Sollstunden_40 = viele\r\n[Astronomie]\r\nBreite = Norden\r\n",
         [](auto& s) {
             s.font.style = 256;
             s.accounts.targetHours38 = 1900.5f;
             s.accounts.targetHours40 = 0.0f;
             s.place.latitude = 0.0;
         }},
        {"empty texts take their defaults",
         "[Programmeinstellungen]\r\nFontname =\r\nAnwenderverzeichnis = \r\nAnwendername =\r\n",
         [](auto&) {}},
        {"vacation cycle beyond five rotations", "[Programmeinstellungen]\r\nUrlaubZyklus = 7\r\n",
         [](auto& s) { s.vacation.cycle = 2; }},
        {"negative vacation cycle rotates nothing",
         "[Programmeinstellungen]\r\nUrlaubZyklus = -1\r\n", [](auto& s) { s.vacation.cycle = 0; }},
        {"29 February is a possible start",
         "[Programmeinstellungen]\r\nUrlaubStartMonat = 2\r\nUrlaubStartTag = 29\r\n",
         [](auto& s) {
             s.vacation.earliestStart.month = 2;
             s.vacation.earliestStart.day = 29;
         }},
        {"values at the edges of their ranges",
         "[Programmeinstellungen]\r\nSchichtspalten = 23\r\nSchichtart = 7\r\n[Astronomie]\r\n"
         "Breite = -90\r\nL\xE4nge = 180\r\nZeitzone = -12\r\nD\xE4mmerung = 2\r\n",
         [](auto& s) {
             s.lastColumnIndex = 23;
             s.calendarType = *calendarTypeFromNumber(7);
             s.place.latitude = -90.0;
             s.place.longitude = 180.0;
             s.place.timeZone = -12.0;
             s.place.twilight = 2;
         }},
    };
    for (const ReadingCase& c : cases)
        expectSame(read(c.fileBytes), defaultsWith(c.expectedChange), c.name);
}

TEST(SettingsReading, UnusableValuesFallBackToTheirDefaults) {
    const std::pair<const char*, std::string> cases[] = {
        {"columns below six", "[Programmeinstellungen]\r\nSchichtspalten = 4\r\n"},
        {"columns above 24", "[Programmeinstellungen]\r\nSchichtspalten = 24\r\n"},
        {"negative columns", "[Programmeinstellungen]\r\nSchichtspalten = 200\r\n"},
        {"unknown calendar", "[Programmeinstellungen]\r\nSchichtart = 8\r\n"},
        {"negative calendar", "[Programmeinstellungen]\r\nSchichtart = -1\r\n"},
        {"font size 0", "[Programmeinstellungen]\r\nFontgr\xF6\xDF"
                        "e = 0\r\n"},
        {"negative font size", "[Programmeinstellungen]\r\nFontgr\xF6\xDF"
                               "e = -9\r\n"},
        {"month 13", "[Programmeinstellungen]\r\nUrlaubStartMonat = 13\r\nUrlaubStartTag = 1\r\n"},
        {"31 April", "[Programmeinstellungen]\r\nUrlaubStartMonat = 4\r\nUrlaubStartTag = 31\r\n"},
        {"day 0", "[Programmeinstellungen]\r\nUrlaubStartTag = 0\r\n"},
        {"infinite target", "[Programmeinstellungen]\r\nSollstunden_38 = +Infinity\r\n"
                            "Sollstunden_40 = nan\r\n"},
        {"latitude not a number", "[Astronomie]\r\nBreite = NaN\r\n"},
        {"latitude past the pole", "[Astronomie]\r\nBreite = 90.5\r\n"},
        {"longitude out of range", "[Astronomie]\r\nL\xE4nge = -181\r\n"},
        {"infinite longitude", "[Astronomie]\r\nL\xE4nge = -Infinity\r\n"},
        {"time zone too far east", "[Astronomie]\r\nZeitzone = 14.5\r\n"},
        {"time zone not a number", "[Astronomie]\r\nZeitzone = nan\r\n"},
        {"unknown twilight", "[Astronomie]\r\nD\xE4mmerung = 3\r\n"},
    };
    const ProgramSettings defaults = read("");
    for (const auto& [name, fileBytes] : cases)
        expectSame(read(fileBytes), defaults, name);
}

TEST(SettingsReading, LineEndsInTextsCannotAddLines) {
    ProgramSettings settings = read("");
    settings.placeName = "Ort\r\n[Astronomie]\nBreite = 0";
    const ProgramSettings reread = read(settingsFileBytes(settings));
    EXPECT_EQ(reread.place.latitude, 48.47);
    EXPECT_EQ(reread.placeName, "Ort  [Astronomie] Breite = 0");
}

// Whatever a damaged file holds, the settings stay usable.
void expectUsable(const ProgramSettings& s, const std::string& context) {
    EXPECT_FALSE(s.font.name.empty()) << context;
    EXPECT_GT(s.font.size, 0) << context;
    EXPECT_TRUE(s.lastColumnIndex >= 5 && s.lastColumnIndex <= 23) << context;
    EXPECT_TRUE(numberOf(s.calendarType) >= 0 && numberOf(s.calendarType) <= 7) << context;
    EXPECT_TRUE(s.vacation.earliestStart.month >= 1 && s.vacation.earliestStart.month <= 12)
        << context;
    EXPECT_TRUE(s.vacation.cycle >= 0 && s.vacation.cycle <= 4) << context;
    EXPECT_TRUE(s.place.latitude >= -90 && s.place.latitude <= 90) << context;
    EXPECT_TRUE(s.place.longitude >= -180 && s.place.longitude <= 180) << context;
    EXPECT_TRUE(s.place.timeZone >= -12 && s.place.timeZone <= 14) << context;
    EXPECT_TRUE(s.place.twilight >= 0 && s.place.twilight <= 2) << context;
}

TEST(SettingsReading, DamagedFilesGiveUsableSettings) {
    std::vector<std::pair<std::string, std::string>> files{
        {"group never closed", "[Astronomie\r\nBreite = 10\r\n"},
        {"lone brackets and signs", "[\r\n]\r\n=\r\n;\r\n= 5\r\n[]\r\n=[=]\r\n"},
        {"NUL bytes", "[Astronomie]\0Breite = 1\0\r\nBreite\0= 2\r\n"s},
        {"byte-order mark only", "\xEF\xBB\xBF"},
        {"broken UTF-8 after the mark", "\xEF\xBB\xBF[Astronomie]\r\nOrtsname = \xC3\r\n\xF0\x9F"},
        {"huge line without line end", std::string(4'000'000, 'x')},
        {"huge value", "[Astronomie]\r\nOrtsname = " + std::string(2'000'000, 'A') +
                           "\r\nBreite = " + std::string(100'000, '9') + "\r\n"},
        {"huge numbers", "[Programmeinstellungen]\r\nUrlaubZyklus = " + std::string(5000, '9') +
                             "\r\nFontgr\xF6\xDF"
                             "e = -" +
                             std::string(300, '9') + "\r\n"},
    };
    std::mt19937 random(7);
    for (int garbage = 0; garbage < 20; ++garbage) {
        std::string bytes(static_cast<std::size_t>(random() % 50'000), '\0');
        for (char& byte : bytes)
            byte = static_cast<char>(random());
        files.emplace_back("random bytes " + std::to_string(garbage), bytes);
    }
    for (const auto& [name, bytes] : files)
        expectUsable(read(bytes), name);
    EXPECT_EQ(read(files[6].second).placeName.size(), 2'000'000u);
}

} // namespace
} // namespace tp
