#include "session/UnsavedEntries.h"
#include "platform/PathText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <system_error>
#include <tuple>

namespace tp {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFileHeader = "Turnoplaner: ungespeicherte Einträge 1\n";
constexpr std::string_view kFileNamePrefix = "Ungespeichert-";
constexpr std::string_view kFileNameSuffix = ".dat";

// The parts of the file, each written as "name length\n" followed by the bytes and "\n".
constexpr std::string_view kDataFolder = "Datenordner";
constexpr std::string_view kMarkingsAsLoaded = "Schichtmarkierungen-geladen";
constexpr std::string_view kMarkingsEdited = "Schichtmarkierungen-bearbeitet";
constexpr std::string_view kBarsAsLoaded = "Kalendermarkierungen-geladen";
constexpr std::string_view kBarsEdited = "Kalendermarkierungen-bearbeitet";
constexpr std::string_view kDataRoot = "Datenwurzel";
constexpr std::string_view kUserName = "Anwender";
constexpr std::string_view kSettingsAsSaved = "Einstellungen-gespeichert";
constexpr std::string_view kSettingsEdited = "Einstellungen-bearbeitet";

void appendPart(std::string& bytes, std::string_view name, std::string_view part) {
    bytes.append(name);
    bytes += ' ';
    bytes += std::to_string(part.size());
    bytes += '\n';
    bytes.append(part);
    bytes += '\n';
}

std::string markingBytes(const std::vector<ShiftMarking>& markings) {
    return shiftMarkingFileBytes(ShiftMarkingList(markings));
}

std::string barBytes(const std::vector<CalendarBar>& bars) {
    return calendarBarFileBytes(CalendarBarList(bars));
}

// Takes the next part off `bytes`; false at a damaged part.
bool takePart(std::string_view& bytes, std::string_view& name, std::string_view& part) {
    const std::size_t lineEnd = bytes.find('\n');
    const std::size_t space = bytes.substr(0, lineEnd).rfind(' ');
    if (lineEnd == std::string_view::npos || space == std::string_view::npos)
        return false;
    name = bytes.substr(0, space);
    std::size_t length = 0;
    const char* digits = bytes.data() + space + 1;
    const auto [end, error] = std::from_chars(digits, bytes.data() + lineEnd, length);
    if (error != std::errc{} || end != bytes.data() + lineEnd)
        return false;
    bytes.remove_prefix(lineEnd + 1);
    if (bytes.size() < length + 1 || bytes[length] != '\n')
        return false;
    part = bytes.substr(0, length);
    bytes.remove_prefix(length + 1);
    return true;
}

std::string countText(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string fileNameOf(const LocalDateTime& now, int number) {
    char name[64];
    std::snprintf(name, sizeof name, "%04d%02d%02d-%02d%02d%02d-%02d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second, number);
    return std::string(kFileNamePrefix) + name + std::string(kFileNameSuffix);
}

bool isKeptEntriesFileName(std::string_view name) {
    return name.starts_with(kFileNamePrefix) && name.ends_with(kFileNameSuffix);
}

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

} // namespace

int changedMarkingCount(const EditedEntries<ShiftMarking>& markings) {
    std::map<DayNumber, ShiftMarking> loaded;
    for (const ShiftMarking& marking : markings.asLoaded)
        loaded.emplace(marking.day, marking);
    int changed = 0;
    for (const ShiftMarking& marking : markings.edited) {
        const auto found = loaded.find(marking.day);
        if (found == loaded.end() || !(found->second == marking))
            ++changed;
        if (found != loaded.end())
            loaded.erase(found);
    }
    return changed + static_cast<int>(loaded.size()); // the days whose marking was removed
}

int changedBarCount(const EditedEntries<CalendarBar>& bars) {
    const auto key = [](const CalendarBar& bar) {
        return std::tuple(bar.start, bar.end, bar.colour);
    };
    std::vector<CalendarBar> loaded = bars.asLoaded, edited = bars.edited;
    const auto byKey = [&](const CalendarBar& a, const CalendarBar& b) { return key(a) < key(b); };
    std::sort(loaded.begin(), loaded.end(), byKey);
    std::sort(edited.begin(), edited.end(), byKey);
    std::vector<CalendarBar> added, removed;
    std::set_difference(edited.begin(), edited.end(), loaded.begin(), loaded.end(),
                        std::back_inserter(added), byKey);
    std::set_difference(loaded.begin(), loaded.end(), edited.begin(), edited.end(),
                        std::back_inserter(removed), byKey);
    // A changed bar is one removed and one added.
    return static_cast<int>(std::max(added.size(), removed.size()));
}

std::string unsavedEntriesFileBytes(const UnsavedEntries& entries) {
    std::string bytes(kFileHeader);
    appendPart(bytes, kDataFolder, pathText(entries.dataFolder));
    if (entries.markings) {
        appendPart(bytes, kMarkingsAsLoaded, markingBytes(entries.markings->asLoaded));
        appendPart(bytes, kMarkingsEdited, markingBytes(entries.markings->edited));
    }
    if (entries.bars) {
        appendPart(bytes, kBarsAsLoaded, barBytes(entries.bars->asLoaded));
        appendPart(bytes, kBarsEdited, barBytes(entries.bars->edited));
    }
    appendPart(bytes, kDataRoot, pathText(entries.dataRoot));
    appendPart(bytes, kUserName, entries.userName);
    if (entries.settings) {
        appendPart(bytes, kSettingsAsSaved, entries.settings->asSaved);
        appendPart(bytes, kSettingsEdited, entries.settings->edited);
    }
    return bytes;
}

std::optional<UnsavedEntries> unsavedEntriesFromFileBytes(std::string_view bytes) {
    if (!bytes.starts_with(kFileHeader))
        return std::nullopt;
    bytes.remove_prefix(kFileHeader.size());
    std::map<std::string_view, std::string_view> parts;
    while (!bytes.empty()) {
        std::string_view name, part;
        if (!takePart(bytes, name, part) || !parts.emplace(name, part).second)
            return std::nullopt;
    }
    const auto has = [&](std::string_view name) { return parts.contains(name); };
    // The entries of a kind are there with both their states, or not at all.
    if (!has(kDataFolder) || !has(kDataRoot) || !has(kUserName) ||
        has(kMarkingsAsLoaded) != has(kMarkingsEdited) || has(kBarsAsLoaded) != has(kBarsEdited) ||
        has(kSettingsAsSaved) != has(kSettingsEdited))
        return std::nullopt;

    UnsavedEntries entries;
    entries.dataFolder = pathOfText(parts[kDataFolder]);
    entries.dataRoot = pathOfText(parts[kDataRoot]);
    entries.userName = std::string(parts[kUserName]);
    if (has(kMarkingsAsLoaded))
        entries.markings = {shiftMarkingsFromFileBytes(parts[kMarkingsAsLoaded]).entries(),
                            shiftMarkingsFromFileBytes(parts[kMarkingsEdited]).entries()};
    if (has(kBarsAsLoaded))
        entries.bars = {calendarBarsFromFileBytes(parts[kBarsAsLoaded]).bars(),
                        calendarBarsFromFileBytes(parts[kBarsEdited]).bars()};
    if (has(kSettingsAsSaved))
        entries.settings = {std::string(parts[kSettingsAsSaved]),
                            std::string(parts[kSettingsEdited])};
    return entries;
}

EnvironmentVariable systemEnvironment() {
    return [](const char* name) -> std::optional<fs::path> {
#ifdef _WIN32
        // The wide environment: a user name outside the code page stays intact.
        const std::string narrow(name);
        const std::wstring wide(narrow.begin(), narrow.end());
        if (const wchar_t* value = ::_wgetenv(wide.c_str()); value && *value)
            return fs::path(value);
#else
        if (const char* value = std::getenv(name); value && *value)
            return fs::path(value);
#endif
        return std::nullopt;
    };
}

fs::path unsavedEntriesFolder(const EnvironmentVariable& environment) {
#ifdef _WIN32
    if (const auto local = environment("LOCALAPPDATA"); local && local->is_absolute())
        return *local / "Turnoplaner";
#else
    // A relative state folder is no valid one and is passed over.
    if (const auto state = environment("XDG_STATE_HOME"); state && state->is_absolute())
        return *state / "turnoplaner";
    if (const auto home = environment("HOME"); home && home->is_absolute())
        return *home / ".local" / "state" / "turnoplaner";
#endif
    return {};
}

KeptEntriesFile keepUnsavedEntries(FileSystem& files, const fs::path& folder,
                                   const UnsavedEntries& entries, const LocalDateTime& now) {
    KeptEntriesFile kept;
    if (folder.empty()) {
        kept.failure = "Es ist kein Ordner dafür bekannt";
        return kept;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        kept.failure = systemErrorText(error.value());
        return kept;
    }
    for (int number = 1; number < 100; ++number) {
        kept.file = folder / fileNameOf(now, number);
        // An earlier end's file, or whatever else has the name, stays as it is.
        if (fs::symlink_status(kept.file, error).type() != fs::file_type::not_found)
            continue;
        if (const WriteResult written = files.replace(kept.file, unsavedEntriesFileBytes(entries));
            !written)
            kept.failure = written.reason;
        return kept;
    }
    kept.failure = systemErrorText(EEXIST);
    return kept;
}

std::vector<fs::path> keptEntriesFiles(FileSystem& files, const fs::path& folder) {
    std::vector<fs::path> kept;
    if (folder.empty())
        return kept;
    std::vector<std::string> names = files.list(folder).value_or(std::vector<std::string>{});
    std::sort(names.begin(), names.end()); // the names begin with the time of the end
    for (const std::string& name : names)
        if (isKeptEntriesFileName(name))
            kept.push_back(folder / pathOfText(name));
    return kept;
}

std::string takeOverQuestion(const UnsavedEntries& entries) {
    std::vector<std::string> parts;
    bool several = false;
    if (entries.markings) {
        const int count = changedMarkingCount(*entries.markings);
        parts.push_back(countText(count, "Schichtmarkierung", "Schichtmarkierungen"));
        several = count != 1;
    }
    if (entries.bars) {
        const int count = changedBarCount(*entries.bars);
        parts.push_back(countText(count, "Kalendermarkierung", "Kalendermarkierungen"));
        several = count != 1;
    }
    if (entries.settings) {
        parts.push_back("die Einstellungen");
        several = true;
    }
    std::string list;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            list += i + 1 == parts.size() ? " und " : ", ";
        list += parts[i];
    }
    return std::string("Beim letzten Ende ") +
           (several || parts.size() > 1 ? "konnten " : "konnte ") + list +
           " nicht gespeichert werden. Jetzt übernehmen?";
}

std::string endFailureLine(const std::vector<std::string>& errors, const UnsavedEntries& entries,
                           const KeptEntriesFile& kept) {
    std::string reasons;
    for (const std::string& error : errors)
        reasons += (reasons.empty() ? "" : "; ") + oneLine(error);
    std::string line =
        "Turnoplaner: Beim Beenden konnte nicht alles gespeichert werden (" + reasons + ").";
    if (entries.empty())
        return line;
    if (kept.failure.empty())
        return line + " Die ungespeicherten Einträge liegen in \"" + pathText(kept.file) +
               "\"; der nächste Start bietet sie an.";
    return line + " Die ungespeicherten Einträge konnten auch nicht aufbewahrt werden (" +
           oneLine(kept.failure) + ") und sind verloren.";
}

} // namespace tp
