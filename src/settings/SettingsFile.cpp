#include "settings/SettingsFile.h"

#include "model/MonthColumns.h"
#include "model/ShiftSystem.h"
#include "platform/AtomicFile.h"
#include "platform/Windows1252.h"
#include "settings/SettingsNumbers.h"
#include "settings/SettingsText.h"

#include <cmath>
#include <system_error>
#include <vector>

namespace tp {

namespace {

// A settings file is a few hundred bytes; anything far larger is not one and is not read.
constexpr std::uintmax_t kLargestReadableFile = 16 * 1024 * 1024;

// A small number the file keeps in one byte: 263 is read as 7.
template <typename Number> struct Byte { Number& number; };
template <typename Number> Byte(Number&) -> Byte<Number>;

// A text written only when it is not empty, so that files without it stay as they were.
template <typename Text> struct OmittedWhenEmpty { Text& text; };
template <typename Text> OmittedWhenEmpty(Text&) -> OmittedWhenEmpty<Text>;

// A number or switch written only once set; read only within [lowest, highest].
template <typename Optional> struct WrittenWhenSet {
    Optional& value;
    int lowest = 0;
    int highest = 0;
};
template <typename Optional> WrittenWhenSet(Optional&, int, int) -> WrittenWhenSet<Optional>;

// Hands every key of the file to `visit` in the order it is written, with the value of
// `settings` it holds; the value's type says how it is read and written. The groups follow each
// other with an empty comment line between them.
template <typename Settings, typename Visit> void forEachKey(Settings& settings, Visit visit) {
    constexpr std::string_view program = "Programmeinstellungen";
    visit(program, "Fontname", settings.font.name);
    visit(program, "Fontgröße", settings.font.size);
    visit(program, "Fontstil", settings.font.style);
    visit(program, "Schichtspalten", Byte{settings.lastColumnIndex});
    visit(program, "Schulferien anzeigen", settings.switches.schoolHolidays);
    visit(program, "Wochennummer anzeigen", settings.switches.weekNumbers);
    visit(program, "Anwenderverzeichnis", settings.userDataFolder);
    visit(program, "Anwendername", settings.userName);
    visit(program, "Schichtart", settings.calendarType);
    visit(program, "UrlaubBlockAnzeige", settings.switches.vacationBlock);
    visit(program, "Sollstunden_38", settings.accounts.targetHours38);
    visit(program, "Sollstunden_40", settings.accounts.targetHours40);
    visit(program, "UrlaubStartMonat", settings.vacation.earliestStart.month);
    visit(program, "UrlaubStartTag", settings.vacation.earliestStart.day);
    visit(program, "UrlaubZyklus", settings.vacation.cycle);
    visit(program, "Stundenlohn", settings.accounts.hourlyWageCents);
    visit(program, "LetzterAnwender", OmittedWhenEmpty{settings.lastUserName});
    visit(program, "NotizPrüfwert", OmittedWhenEmpty{settings.notePasswordCheck});
    auto& sync = settings.calendarSync;
    visit(program, "AbgleichServer", OmittedWhenEmpty{sync.serverAddress});
    visit(program, "AbgleichBenutzer", OmittedWhenEmpty{sync.userName});
    visit(program, "AbgleichKalender", OmittedWhenEmpty{sync.calendarUrl});
    visit(program, "AbgleichSchicht", WrittenWhenSet{sync.crew, 0, kCrewCount - 1});
    visit(program, "AbgleichMonateVorher", WrittenWhenSet{sync.monthsBefore, 0, 120});
    visit(program, "AbgleichMonateNachher", WrittenWhenSet{sync.monthsAfter, 0, 120});
    visit(program, "AbgleichErinnerung", WrittenWhenSet{sync.alarmMinutes, 0, 7 * 24 * 60});
    visit(program, "AbgleichBeimBeenden", WrittenWhenSet{sync.syncAtEnd, 0, 1});
    visit(program, "Sicherungsordner", OmittedWhenEmpty{settings.backupFolder});
    visit(program, "AutomatischeSicherung", settings.automaticBackups);
    constexpr std::string_view astronomy = "Astronomie";
    visit(astronomy, "Breite", settings.place.latitude);
    visit(astronomy, "Länge", settings.place.longitude);
    visit(astronomy, "Zeitzone", settings.place.timeZone);
    visit(astronomy, "Sommerzeit automatisch", settings.place.automaticSummerTime);
    visit(astronomy, "Ortsname", settings.placeName);
    visit(astronomy, "Dämmerung", Byte{settings.place.twilight});
    visit(astronomy, "Mondphasen anzeigen", settings.switches.moonPhases);
    visit(astronomy, "Perihel und Aphel anzeigen", settings.switches.orbitExtremes);
}

// "18.50" euros as cents; nothing for text that is no amount above zero or is beyond reason.
std::optional<int> centsOfEuroText(std::string_view text) {
    const double euros = readSettingsDouble(text);
    if (!(euros > 0 && euros < 1e6))
        return std::nullopt;
    return static_cast<int>(std::lround(euros * 100));
}

std::string euroText(std::optional<int> cents) {
    if (!cents)
        return {};
    std::string text = std::to_string(*cents / 100) + '.';
    text += static_cast<char>('0' + *cents % 100 / 10);
    text += static_cast<char>('0' + *cents % 10);
    return text;
}

// Reading: the value text of a line (Windows-1252) into its field.
void readValue(std::string& text, std::string_view value) {
    text = utf8FromWindows1252(value);
}
void readValue(OmittedWhenEmpty<std::string> field, std::string_view value) {
    readValue(field.text, value);
}
void readValue(std::int32_t& number, std::string_view value) {
    number = static_cast<std::int32_t>(readSettingsInteger(value));
}
void readValue(Byte<int> field, std::string_view value) {
    field.number = static_cast<std::int8_t>(readSettingsInteger(value));
}
// Kept in a byte like the other small numbers: 256 switches off.
void readValue(bool& flag, std::string_view value) {
    flag = static_cast<std::int8_t>(readSettingsInteger(value)) != 0;
}
// An unknown number gives the default.
void readValue(CalendarType& type, std::string_view value) {
    type = calendarTypeFromNumber(static_cast<std::int8_t>(readSettingsInteger(value)))
               .value_or(ProgramSettings{}.calendarType);
}
void readValue(float& number, std::string_view value) {
    number = readSettingsFloat(value);
}
void readValue(double& number, std::string_view value) {
    number = readSettingsDouble(value);
}
void readValue(std::optional<int>& cents, std::string_view value) {
    cents = centsOfEuroText(value);
}
// A value out of its range is left unset, so the default holds.
template <typename Value>
void readValue(WrittenWhenSet<std::optional<Value>> field, std::string_view value) {
    field.value.reset();
    if (value.empty()) // as an unset value is compared when settings are merged
        return;
    const std::int64_t number = readSettingsInteger(value);
    if (number >= field.lowest && number <= field.highest)
        field.value = static_cast<Value>(number);
}
void readValue(std::optional<bool>& flag, std::string_view value) {
    bool read = true;
    readValue(read, value);
    flag = read;
}

// Writing: the value text of a field as the file holds it (UTF-8 until written).
std::string valueText(const std::string& text) {
    return text;
}
std::string valueText(OmittedWhenEmpty<const std::string> field) {
    return field.text;
}
std::string valueText(std::int32_t number) {
    return std::to_string(number);
}
std::string valueText(Byte<const int> field) {
    return std::to_string(static_cast<int>(static_cast<std::int8_t>(field.number)));
}
std::string valueText(bool flag) {
    return flag ? "1" : "0";
}
std::string valueText(CalendarType type) {
    return std::to_string(numberOf(type));
}
std::string valueText(float number) {
    return formatSettingsFloat(number);
}
std::string valueText(double number) {
    return formatSettingsDouble(number);
}
std::string valueText(const std::optional<int>& cents) {
    return euroText(cents);
}
template <typename Optional> std::string valueText(WrittenWhenSet<Optional> field) {
    return field.value ? std::to_string(static_cast<int>(*field.value)) : std::string();
}
std::string valueText(const std::optional<bool>& flag) {
    return valueText(flag.value_or(true));
}

template <typename Field> bool isWritten(const Field&) {
    return true;
}
bool isWritten(const std::optional<int>& cents) {
    return cents.has_value();
}
bool isWritten(const std::optional<bool>& flag) {
    return flag.has_value();
}
bool isWritten(OmittedWhenEmpty<const std::string> field) {
    return !field.text.empty();
}
template <typename Optional> bool isWritten(WrittenWhenSet<Optional> field) {
    return field.value.has_value();
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
    if (settings.font.name.empty())
        settings.font.name = defaults.font.name;
    if (settings.font.size <= 0)
        settings.font.size = defaults.font.size;
    if (!isValidLastColumnIndex(settings.lastColumnIndex))
        settings.lastColumnIndex = defaults.lastColumnIndex;
    if (settings.userDataFolder.empty())
        settings.userDataFolder = dataRootPath;
    if (settings.userName.empty())
        settings.userName = defaults.userName;
    AccountTargets& targets = settings.accounts;
    if (!std::isfinite(targets.targetHours38))
        targets.targetHours38 = defaults.accounts.targetHours38;
    if (!std::isfinite(targets.targetHours40))
        targets.targetHours40 = defaults.accounts.targetHours40;
    VacationRules& vacation = settings.vacation;
    if (!isPossibleMonthDay(vacation.earliestStart.month, vacation.earliestStart.day))
        vacation.earliestStart = defaults.vacation.earliestStart;
    // Five rotations give the same order, so 7 is kept as 2; a negative count means none.
    vacation.cycle = vacation.cycle < 0 ? defaults.vacation.cycle : vacation.cycle % kCrewCount;

    AstronomySettings& place = settings.place;
    if (!isWithin(place.latitude, -90.0, 90.0))
        place.latitude = defaults.place.latitude;
    if (!isWithin(place.longitude, -180.0, 180.0))
        place.longitude = defaults.place.longitude;
    if (!isWithin(place.timeZone, -12.0, 14.0))
        place.timeZone = defaults.place.timeZone;
    if (!isWithin(place.twilight, 0, 2))
        place.twilight = defaults.place.twilight;
}

// The value lines a write of the settings would drop: those of no key of the file, and the
// repeats of a key (the first line counts).
int unusedValueLines(std::string_view fileBytes) {
    struct Key {
        std::string foldedGroup;
        std::string foldedKey;
        bool taken = false;
    };
    std::vector<Key> keys;
    ProgramSettings settings;
    forEachKey(settings, [&keys](std::string_view group, std::string_view key, auto&&) {
        keys.push_back({foldSettingsName(windows1252FromUtf8(group)),
                        foldSettingsName(windows1252FromUtf8(key))});
    });
    int unused = 0;
    scanSettingsText(fileBytes, [&](const SettingsValueLine& line) {
        for (Key& key : keys) {
            if (!key.taken && key.foldedKey == line.foldedKey &&
                key.foldedGroup == line.foldedGroup) {
                key.taken = true;
                return;
            }
        }
        ++unused;
    });
    return unused;
}

} // namespace

ProgramSettings settingsFromFileBytes(std::string_view fileBytes, const std::string& dataRootPath) {
    ProgramSettings settings;
    // The value of each key as its first line in the file gives it.
    struct KeyValue {
        std::string foldedGroup;
        std::string foldedKey;
        std::optional<std::string> value;
    };
    std::vector<KeyValue> keys;
    forEachKey(settings, [&keys](std::string_view group, std::string_view key, auto&&) {
        keys.push_back({foldSettingsName(windows1252FromUtf8(group)),
                        foldSettingsName(windows1252FromUtf8(key)), std::nullopt});
    });
    scanSettingsText(fileBytes, [&keys](const SettingsValueLine& line) {
        for (KeyValue& key : keys) {
            if (!key.value && key.foldedKey == line.foldedKey &&
                key.foldedGroup == line.foldedGroup) {
                key.value = std::string(line.value);
                return;
            }
        }
    });
    auto key = keys.begin();
    forEachKey(settings, [&key](std::string_view, std::string_view, auto&& field) {
        if (key->value)
            readValue(field, *key->value);
        ++key;
    });

    replaceUnusableValues(settings, dataRootPath);
    return settings;
}

// Compared and taken over as the file holds them, so that a value is what it would be after a
// write and a read.
ProgramSettings mergedSettings(const ProgramSettings& asSaved, const ProgramSettings& edited,
                               ProgramSettings onDisk) {
    const auto texts = [](const ProgramSettings& settings) {
        std::vector<std::string> values;
        forEachKey(settings, [&values](std::string_view, std::string_view, auto&& field) {
            values.push_back(windows1252FromUtf8(valueText(field)));
        });
        return values;
    };
    const std::vector<std::string> saved = texts(asSaved);
    const std::vector<std::string> changed = texts(edited);
    std::size_t index = 0;
    forEachKey(onDisk, [&](std::string_view, std::string_view, auto&& field) {
        if (saved[index] != changed[index])
            readValue(field, changed[index]);
        ++index;
    });
    return onDisk;
}

std::string settingsFileBytes(const ProgramSettings& settings) {
    SettingsTextWriter writer;
    std::string_view currentGroup;
    forEachKey(settings, [&](std::string_view group, std::string_view key, auto&& field) {
        if (group != currentGroup) {
            if (!currentGroup.empty())
                writer.comment("");
            currentGroup = group;
            writer.group(group);
        }
        if (isWritten(field))
            writer.value(key, valueText(field));
    });
    return writer.bytes();
}

LoadedSettings loadSettings(UserFileStore& store, const std::filesystem::path& userFolder,
                            const std::string& dataRootPath) {
    LoadedSettings loaded;
    try {
        DataFileBytes file = store.read(userFolder / kSettingsFileName, kLargestReadableFile);
        loaded.read = file.status;
        loaded.settings = settingsFromFileBytes(file.bytes, dataRootPath);
        const int unused = unusedValueLines(file.bytes);
        store.noteSkippedRecords(userFolder / kSettingsFileName, std::move(file.bytes), unused);
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
