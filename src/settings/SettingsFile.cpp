#include "settings/SettingsFile.h"

#include "model/MonthColumns.h"
#include "model/ShiftSystem.h"
#include "platform/AtomicFile.h"
#include "settings/SettingsNumbers.h"
#include "settings/SettingsText.h"

#include <cmath>
#include <system_error>

namespace tp {

namespace {

constexpr std::string_view kProgramGroup = "Programmeinstellungen";
constexpr std::string_view kAstronomyGroup = "Astronomie";

// A settings file is a few hundred bytes; anything far larger is not one and is not read.
constexpr std::uintmax_t kLargestReadableFile = 16 * 1024 * 1024;

// Reads the values of one group; a missing key leaves the field at its default.
class GroupReader {
  public:
    GroupReader(const SettingsText& text, std::string_view group) : text_(text), group_(group) {}

    void text(std::string_view key, std::string& field) const {
        if (const auto value = text_.find(group_, key))
            field = *value;
    }
    void int32(std::string_view key, std::int32_t& field) const {
        if (const auto value = text_.find(group_, key))
            field = static_cast<std::int32_t>(readSettingsInteger(*value));
    }
    void byte(std::string_view key, std::int8_t& field) const {
        if (const auto value = text_.find(group_, key))
            field = static_cast<std::int8_t>(readSettingsInteger(*value));
    }
    // Kept in a byte like the other small numbers: 256 switches off.
    void flag(std::string_view key, bool& field) const {
        if (const auto value = text_.find(group_, key))
            field = static_cast<std::int8_t>(readSettingsInteger(*value)) != 0;
    }
    void real(std::string_view key, float& field) const {
        if (const auto value = text_.find(group_, key))
            field = readSettingsFloat(*value);
    }
    void real(std::string_view key, double& field) const {
        if (const auto value = text_.find(group_, key))
            field = readSettingsDouble(*value);
    }

  private:
    const SettingsText& text_;
    std::string_view group_;
};

template <typename Number> bool isWithin(Number value, Number lowest, Number highest) {
    return value >= lowest && value <= highest; // false for NaN
}

bool isPossibleMonthDay(int month, int day) {
    constexpr int leapYear = 2000; // 29 February is a possible earliest start
    return isWithin(month, 1, 12) && isWithin(day, 1, monthLength(leapYear, month));
}

// Values that the rest of the program cannot work with go back to their defaults, so that
// a damaged file never leads to an index out of range or a calendar without a date.
void replaceUnusableValues(ProgramSettings& settings, const std::string& dataRootPath) {
    const ProgramSettings defaults;
    if (settings.fontName.empty())
        settings.fontName = defaults.fontName;
    if (settings.fontSize <= 0)
        settings.fontSize = defaults.fontSize;
    if (!isValidLastColumnIndex(settings.lastColumnIndex))
        settings.lastColumnIndex = defaults.lastColumnIndex;
    if (settings.userDataFolder.empty())
        settings.userDataFolder = dataRootPath;
    if (settings.userName.empty())
        settings.userName = defaults.userName;
    if (!calendarTypeFromNumber(settings.calendarType))
        settings.calendarType = defaults.calendarType;
    if (!std::isfinite(settings.targetHours38))
        settings.targetHours38 = defaults.targetHours38;
    if (!std::isfinite(settings.targetHours40))
        settings.targetHours40 = defaults.targetHours40;
    if (!isPossibleMonthDay(settings.vacationStartMonth, settings.vacationStartDay)) {
        settings.vacationStartMonth = defaults.vacationStartMonth;
        settings.vacationStartDay = defaults.vacationStartDay;
    }
    // Five rotations give the same order, so 7 is kept as 2; a negative count means none.
    settings.vacationCycle =
        settings.vacationCycle < 0 ? defaults.vacationCycle : settings.vacationCycle % kCrewCount;

    if (!isWithin(settings.latitude, -90.0, 90.0))
        settings.latitude = defaults.latitude;
    if (!isWithin(settings.longitude, -180.0, 180.0))
        settings.longitude = defaults.longitude;
    if (!isWithin(settings.timeZone, -12.0, 14.0))
        settings.timeZone = defaults.timeZone;
    if (!isWithin<int>(settings.twilight, 0, 2))
        settings.twilight = defaults.twilight;
}

std::string integerText(std::int64_t value) {
    return std::to_string(value);
}

} // namespace

ProgramSettings settingsFromFileBytes(std::string_view fileBytes, const std::string& dataRootPath) {
    const SettingsText text = SettingsText::parse(fileBytes);
    ProgramSettings settings;

    const GroupReader program(text, kProgramGroup);
    program.text("Fontname", settings.fontName);
    program.int32("Fontgröße", settings.fontSize);
    program.int32("Fontstil", settings.fontStyle);
    program.byte("Schichtspalten", settings.lastColumnIndex);
    program.flag("Schulferien anzeigen", settings.showSchoolHolidays);
    program.flag("Wochennummer anzeigen", settings.showWeekNumbers);
    program.text("Anwenderverzeichnis", settings.userDataFolder);
    program.text("Anwendername", settings.userName);
    program.byte("Schichtart", settings.calendarType);
    program.flag("UrlaubBlockAnzeige", settings.showVacationBlock);
    program.real("Sollstunden_38", settings.targetHours38);
    program.real("Sollstunden_40", settings.targetHours40);
    program.int32("UrlaubStartMonat", settings.vacationStartMonth);
    program.int32("UrlaubStartTag", settings.vacationStartDay);
    program.int32("UrlaubZyklus", settings.vacationCycle);

    const GroupReader astronomy(text, kAstronomyGroup);
    astronomy.real("Breite", settings.latitude);
    astronomy.real("Länge", settings.longitude);
    astronomy.real("Zeitzone", settings.timeZone);
    astronomy.flag("Sommerzeit automatisch", settings.automaticSummerTime);
    astronomy.text("Ortsname", settings.placeName);
    astronomy.byte("Dämmerung", settings.twilight);
    astronomy.flag("Mondphasen anzeigen", settings.showMoonPhases);
    astronomy.flag("Perihel und Aphel anzeigen", settings.showOrbitExtremes);

    replaceUnusableValues(settings, dataRootPath);
    return settings;
}

std::string settingsFileBytes(const ProgramSettings& settings) {
    SettingsTextWriter writer;
    writer.group(kProgramGroup);
    writer.value("Fontname", settings.fontName);
    writer.value("Fontgröße", integerText(settings.fontSize));
    writer.value("Fontstil", integerText(settings.fontStyle));
    writer.value("Schichtspalten", integerText(settings.lastColumnIndex));
    writer.value("Schulferien anzeigen", integerText(settings.showSchoolHolidays));
    writer.value("Wochennummer anzeigen", integerText(settings.showWeekNumbers));
    writer.value("Anwenderverzeichnis", settings.userDataFolder);
    writer.value("Anwendername", settings.userName);
    writer.value("Schichtart", integerText(settings.calendarType));
    writer.value("UrlaubBlockAnzeige", integerText(settings.showVacationBlock));
    writer.value("Sollstunden_38", formatSettingsFloat(settings.targetHours38));
    writer.value("Sollstunden_40", formatSettingsFloat(settings.targetHours40));
    writer.value("UrlaubStartMonat", integerText(settings.vacationStartMonth));
    writer.value("UrlaubStartTag", integerText(settings.vacationStartDay));
    writer.value("UrlaubZyklus", integerText(settings.vacationCycle));
    writer.comment("");
    writer.group(kAstronomyGroup);
    writer.value("Breite", formatSettingsDouble(settings.latitude));
    writer.value("Länge", formatSettingsDouble(settings.longitude));
    writer.value("Zeitzone", formatSettingsDouble(settings.timeZone));
    writer.value("Sommerzeit automatisch", integerText(settings.automaticSummerTime));
    writer.value("Ortsname", settings.placeName);
    writer.value("Dämmerung", integerText(settings.twilight));
    writer.value("Mondphasen anzeigen", integerText(settings.showMoonPhases));
    writer.value("Perihel und Aphel anzeigen", integerText(settings.showOrbitExtremes));
    return writer.bytes();
}

ProgramSettings loadSettings(const std::filesystem::path& userFolder,
                             const std::string& dataRootPath) {
    const std::filesystem::path file = userFolder / kSettingsFileName;
    std::string bytes;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kLargestReadableFile || !readWholeFile(file, bytes))
        bytes.clear();

    return settingsFromFileBytes(bytes, dataRootPath);
}

bool saveSettings(const std::filesystem::path& userFolder, const ProgramSettings& settings) {
    const std::filesystem::path file = userFolder / kSettingsFileName;
    if (!writeFileAtomically(file, settingsFileBytes(settings)))
        return false;
    setHiddenAttribute(file);
    return true;
}

std::string folderPathText(const std::filesystem::path& folder) {
    const std::u8string utf8 = folder.u8string();
    std::string text(utf8.begin(), utf8.end());
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (text.empty() || (text.back() != separator && text.back() != '/'))
        text += separator;
    return text;
}

} // namespace tp
