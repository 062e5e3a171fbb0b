#include "settings/SettingsFile.h"

#include "model/MonthColumns.h"
#include "model/ShiftSystem.h"
#include "platform/AtomicFile.h"
#include "platform/Windows1252.h"
#include "settings/SettingsNumbers.h"
#include "settings/SettingsText.h"

#include <array>
#include <cmath>
#include <system_error>
#include <variant>

namespace tp {

namespace {

constexpr std::string_view kProgramGroup = "Programmeinstellungen";
constexpr std::string_view kAstronomyGroup = "Astronomie";

// A settings file is a few hundred bytes; anything far larger is not one and is not read.
constexpr std::uintmax_t kLargestReadableFile = 16 * 1024 * 1024;

// Where a value of the file is kept in ProgramSettings; the field's type says how it is read and
// written. The defaults are those of ProgramSettings.
// An optional amount of cents is written in euros ("18.50") and only when it is there.
using SettingsField =
    std::variant<std::string ProgramSettings::*, std::int32_t ProgramSettings::*,
                 std::int8_t ProgramSettings::*, bool ProgramSettings::*, float ProgramSettings::*,
                 double ProgramSettings::*, std::optional<std::int32_t> ProgramSettings::*>;

struct SettingsKey {
    std::string_view group;
    std::string_view key; // UTF-8
    SettingsField field;
};

// Every key of the file, in the order it is written. The groups follow each other with an
// empty comment line between them.
constexpr auto kSettingsKeys = std::to_array<SettingsKey>({
    {kProgramGroup, "Fontname", &ProgramSettings::fontName},
    {kProgramGroup, "Fontgröße", &ProgramSettings::fontSize},
    {kProgramGroup, "Fontstil", &ProgramSettings::fontStyle},
    {kProgramGroup, "Schichtspalten", &ProgramSettings::lastColumnIndex},
    {kProgramGroup, "Schulferien anzeigen", &ProgramSettings::showSchoolHolidays},
    {kProgramGroup, "Wochennummer anzeigen", &ProgramSettings::showWeekNumbers},
    {kProgramGroup, "Anwenderverzeichnis", &ProgramSettings::userDataFolder},
    {kProgramGroup, "Anwendername", &ProgramSettings::userName},
    {kProgramGroup, "Schichtart", &ProgramSettings::calendarType},
    {kProgramGroup, "UrlaubBlockAnzeige", &ProgramSettings::showVacationBlock},
    {kProgramGroup, "Sollstunden_38", &ProgramSettings::targetHours38},
    {kProgramGroup, "Sollstunden_40", &ProgramSettings::targetHours40},
    {kProgramGroup, "UrlaubStartMonat", &ProgramSettings::vacationStartMonth},
    {kProgramGroup, "UrlaubStartTag", &ProgramSettings::vacationStartDay},
    {kProgramGroup, "UrlaubZyklus", &ProgramSettings::vacationCycle},
    {kProgramGroup, "Stundenlohn", &ProgramSettings::hourlyWageCents},
    {kProgramGroup, "LetzterAnwender", &ProgramSettings::lastUserName},
    {kProgramGroup, "NotizPrüfwert", &ProgramSettings::notePasswordCheck},
    {kAstronomyGroup, "Breite", &ProgramSettings::latitude},
    {kAstronomyGroup, "Länge", &ProgramSettings::longitude},
    {kAstronomyGroup, "Zeitzone", &ProgramSettings::timeZone},
    {kAstronomyGroup, "Sommerzeit automatisch", &ProgramSettings::automaticSummerTime},
    {kAstronomyGroup, "Ortsname", &ProgramSettings::placeName},
    {kAstronomyGroup, "Dämmerung", &ProgramSettings::twilight},
    {kAstronomyGroup, "Mondphasen anzeigen", &ProgramSettings::showMoonPhases},
    {kAstronomyGroup, "Perihel und Aphel anzeigen", &ProgramSettings::showOrbitExtremes},
});

// "18.50" euros as cents; nothing for text that is no amount above zero or is beyond reason.
std::optional<std::int32_t> centsOfEuroText(std::string_view text) {
    const double euros = readSettingsDouble(text);
    if (!(euros > 0 && euros < 1e6))
        return std::nullopt;
    return static_cast<std::int32_t>(std::lround(euros * 100));
}

std::string euroText(std::optional<std::int32_t> cents) {
    if (!cents)
        return {};
    std::string text = std::to_string(*cents / 100) + '.';
    text += static_cast<char>('0' + *cents % 100 / 10);
    text += static_cast<char>('0' + *cents % 10);
    return text;
}

template <typename... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Stores the value text of a line (Windows-1252) in the field of its key.
void readValue(ProgramSettings& settings, const SettingsField& field, std::string_view value) {
    std::visit(
        Overloaded{
            [&](std::string ProgramSettings::*text) {
                settings.*text = utf8FromWindows1252(value);
            },
            [&](std::int32_t ProgramSettings::*number) {
                settings.*number = static_cast<std::int32_t>(readSettingsInteger(value));
            },
            [&](std::int8_t ProgramSettings::*number) {
                settings.*number = static_cast<std::int8_t>(readSettingsInteger(value));
            },
            // Kept in a byte like the other small numbers: 256 switches off.
            [&](bool ProgramSettings::*flag) {
                settings.*flag = static_cast<std::int8_t>(readSettingsInteger(value)) != 0;
            },
            [&](float ProgramSettings::*number) { settings.*number = readSettingsFloat(value); },
            [&](double ProgramSettings::*number) { settings.*number = readSettingsDouble(value); },
            [&](std::optional<std::int32_t> ProgramSettings::*cents) {
                settings.*cents = centsOfEuroText(value);
            },
        },
        field);
}

// The value text of a field as the file holds it (UTF-8 until written).
std::string valueText(const ProgramSettings& settings, const SettingsField& field) {
    return std::visit(
        Overloaded{
            [&](std::string ProgramSettings::*text) { return settings.*text; },
            [&](std::int32_t ProgramSettings::*number) { return std::to_string(settings.*number); },
            [&](std::int8_t ProgramSettings::*number) {
                return std::to_string(static_cast<int>(settings.*number));
            },
            [&](bool ProgramSettings::*flag) { return std::string(settings.*flag ? "1" : "0"); },
            [&](float ProgramSettings::*number) { return formatSettingsFloat(settings.*number); },
            [&](double ProgramSettings::*number) { return formatSettingsDouble(settings.*number); },
            [&](std::optional<std::int32_t> ProgramSettings::*cents) {
                return euroText(settings.*cents);
            },
        },
        field);
}

bool isWritten(const ProgramSettings& settings, const SettingsField& field) {
    const auto* cents = std::get_if<std::optional<std::int32_t> ProgramSettings::*>(&field);
    if (cents)
        return (settings.**cents).has_value();
    // The texts a file may be without are written only when there is one.
    const auto* text = std::get_if<std::string ProgramSettings::*>(&field);
    if (text &&
        (*text == &ProgramSettings::lastUserName || *text == &ProgramSettings::notePasswordCheck))
        return !(settings.**text).empty();
    return true;
}

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

} // namespace

ProgramSettings settingsFromFileBytes(std::string_view fileBytes, const std::string& dataRootPath) {
    ProgramSettings settings;

    struct FoldedKey {
        std::string group;
        std::string key;
        bool seen = false; // the first line of a key counts
    };
    std::array<FoldedKey, kSettingsKeys.size()> keys;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i].group = foldSettingsName(windows1252FromUtf8(kSettingsKeys[i].group));
        keys[i].key = foldSettingsName(windows1252FromUtf8(kSettingsKeys[i].key));
    }
    scanSettingsText(fileBytes, [&](const SettingsValueLine& line) {
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (!keys[i].seen && keys[i].key == line.foldedKey &&
                keys[i].group == line.foldedGroup) {
                keys[i].seen = true;
                readValue(settings, kSettingsKeys[i].field, line.value);
                return;
            }
        }
    });

    replaceUnusableValues(settings, dataRootPath);
    return settings;
}

std::string settingsFileBytes(const ProgramSettings& settings) {
    SettingsTextWriter writer;
    std::string_view group;
    for (const SettingsKey& key : kSettingsKeys) {
        if (key.group != group) {
            if (!group.empty())
                writer.comment("");
            group = key.group;
            writer.group(group);
        }
        if (isWritten(settings, key.field))
            writer.value(key.key, valueText(settings, key.field));
    }
    return writer.bytes();
}

LoadedSettings loadSettings(UserFileStore& store, const std::filesystem::path& userFolder,
                            const std::string& dataRootPath) {
    LoadedSettings loaded;
    try {
        const DataFileBytes file = store.read(userFolder / kSettingsFileName, kLargestReadableFile);
        loaded.read = file.status;
        loaded.settings = settingsFromFileBytes(file.bytes, dataRootPath);
    } catch (const std::exception&) {
        // Out of memory on a large file: the run goes on with the defaults.
        loaded.read = ReadResult::Unreadable;
        loaded.settings = ProgramSettings{};
        replaceUnusableValues(loaded.settings, dataRootPath);
    }
    return loaded;
}

SaveResult saveSettings(UserFileStore& store, const std::filesystem::path& userFolder,
                        const ProgramSettings& settings) {
    return store.save(userFolder / kSettingsFileName, settingsFileBytes(settings), true);
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
