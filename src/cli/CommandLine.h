#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/DayNumber.h"
#include "model/ShiftSystem.h"

namespace tp::cli {

// Arguments of one sub-command: positional words and "--name value" (or "--name=value") options.
struct ParsedArguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::set<std::string> flags; // options without a value that were given
};

// The value given for option `name`, or nothing when it was not given.
const std::string* optionValue(const ParsedArguments& parsed, const std::string& name);

// Splits `arguments`; an option not in `knownOptions`, given twice or without its value gives an
// error text, and so does any other word that begins with '-'.
std::optional<ParsedArguments> parseArguments(const std::vector<std::string>& arguments,
                                              const std::set<std::string>& knownOptions,
                                              std::string& error);

// As above, and `knownFlags` are options that take no value ("--name").
std::optional<ParsedArguments> parseArguments(const std::vector<std::string>& arguments,
                                              const std::set<std::string>& knownOptions,
                                              const std::set<std::string>& knownFlags,
                                              std::string& error);

bool hasFlag(const ParsedArguments& parsed, const std::string& name);

// "YYYY-MM-DD" of a real date inside 1970-01-01 .. 2037-07-31.
std::optional<DayNumber> parseSupportedDate(const std::string& text);

// A whole number written in plain decimal digits (with an optional '-'), within [low, high].
std::optional<int> parseInteger(const std::string& text, int low, int high);

// "MM-DD" of a day that exists in a leap year.
std::optional<MonthDay> parseMonthDay(const std::string& text);

// A real number written in plain decimal digits with an optional '-' and decimal point.
std::optional<double> parseReal(const std::string& text);

std::string isoDateText(DayNumber day);

struct DayRange {
    DayNumber from;
    DayNumber to;
};

// FROM and TO, the two positional words; an error text when they are missing, malformed, out of
// range or reversed.
std::optional<DayRange> parseDayRange(const ParsedArguments& parsed, std::string& error);

// What is wrong with the value of --data (`folder`, UTF-8; null when not given) as a user's
// data folder; empty when it names an existing folder.
std::string dataFolderProblem(const std::string* folder);

} // namespace tp::cli
