#include "cli/CommandLine.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace tp::cli {

std::optional<ParsedArguments> parseArguments(const std::vector<std::string>& arguments,
                                              const std::set<std::string>& knownOptions,
                                              std::string& error) {
    return parseArguments(arguments, knownOptions, {}, error);
}

std::optional<ParsedArguments> parseArguments(const std::vector<std::string>& arguments,
                                              const std::set<std::string>& knownOptions,
                                              const std::set<std::string>& knownFlags,
                                              std::string& error) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!word.starts_with("-") || word == "-") {
            parsed.positional.push_back(word);
            continue;
        }
        if (!word.starts_with("--")) {
            error = "unbekannte Option: " + word;
            return std::nullopt;
        }
        std::string name = word.substr(2);
        if (knownFlags.contains(name)) {
            if (!parsed.flags.insert(name).second) {
                error = "Option --" + name + " ist mehrfach angegeben";
                return std::nullopt;
            }
            continue;
        }
        std::optional<std::string> value;
        if (const auto equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (!knownOptions.contains(name)) {
            error = "unbekannte Option: --" + name;
            return std::nullopt;
        }
        if (parsed.options.contains(name)) {
            error = "Option --" + name + " ist mehrfach angegeben";
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                error = "Option --" + name + " braucht einen Wert";
                return std::nullopt;
            }
            value = arguments[++i];
        }
        parsed.options.emplace(name, *value);
    }
    return parsed;
}

bool hasFlag(const ParsedArguments& parsed, const std::string& name) {
    return parsed.flags.contains(name);
}

const std::string* optionValue(const ParsedArguments& parsed, const std::string& name) {
    const auto it = parsed.options.find(name);
    return it == parsed.options.end() ? nullptr : &it->second;
}

namespace {

std::optional<int> parseDigits(const std::string& text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

std::optional<DayNumber> parseSupportedDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = parseDigits(text, 0, 4);
    const auto month = parseDigits(text, 5, 2);
    const auto day = parseDigits(text, 8, 2);
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 ||
        *day > monthLength(*year, *month))
        return std::nullopt;
    const DayNumber dayNumber = dayNumberOf(*year, *month, *day);
    if (!isSupportedDay(dayNumber))
        return std::nullopt;
    return dayNumber;
}

namespace {

// Decimal digits only, after an optional '-': no blanks, no '+', no other bases.
bool isPlainDecimal(std::string_view text, bool withFraction) {
    if (text.starts_with('-'))
        text.remove_prefix(1);
    bool digits = false;
    bool point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            digits = true;
        else if (c == '.' && withFraction && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

} // namespace

std::optional<int> parseInteger(const std::string& text, int low, int high) {
    if (!isPlainDecimal(text, false))
        return std::nullopt;
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || rest != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<MonthDay> parseMonthDay(const std::string& text) {
    if (text.size() != 5 || text[2] != '-')
        return std::nullopt;
    const auto month = parseInteger(text.substr(0, 2), 1, 12);
    const auto day = parseInteger(text.substr(3, 2), 1, 31);
    if (!month || !day || *day > monthLength(2000, *month))
        return std::nullopt;
    return MonthDay{*month, *day};
}

std::optional<double> parseReal(const std::string& text) {
    if (!isPlainDecimal(text, true))
        return std::nullopt;
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || rest != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string isoDateText(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<DayRange> parseDayRange(const ParsedArguments& parsed, std::string& error) {
    if (parsed.positional.size() != 2) {
        error = "erwartet VON und BIS (JJJJ-MM-TT)";
        return std::nullopt;
    }
    const auto from = parseSupportedDate(parsed.positional[0]);
    const auto to = parseSupportedDate(parsed.positional[1]);
    if (!from || !to) {
        error = "Daten müssen JJJJ-MM-TT zwischen 1970-01-01 und 2037-07-31 sein";
        return std::nullopt;
    }
    if (*from > *to) {
        error = "VON liegt nach BIS";
        return std::nullopt;
    }
    return DayRange{*from, *to};
}

std::string dataFolderProblem(const std::string* folder) {
    if (!folder || folder->empty())
        return "--data braucht einen Ordner";
    std::error_code ignored;
    const auto status =
        std::filesystem::status(std::u8string(folder->begin(), folder->end()), ignored);
    if (std::filesystem::is_directory(status))
        return {};
    if (std::filesystem::exists(status))
        return "--data: \"" + *folder + "\" ist eine Datei, kein Ordner";
    return "--data: Der Ordner \"" + *folder + "\" existiert nicht";
}

} // namespace tp::cli
