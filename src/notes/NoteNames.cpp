#include "notes/NoteNames.h"

#include <limits>

namespace tp {

namespace {

constexpr int kEveryMonthSlot = 12;

// Day note codes count from 19700001 to 20381131 (the names of 1970..2038 with any month slot).
constexpr std::int32_t kDayCodeLowerBound = 19700000;
constexpr std::int32_t kDayCodeUpperBound = 20381132;
constexpr std::int32_t kLastYearlyCode = 1131;

// Only the first 8 characters of a day or yearly note name are read.
constexpr std::size_t kReadNamePrefix = 8;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::int32_t dateCodeOf(const CivilDate& date) {
    return date.year * 10000 + (date.month - 1) * 100 + date.day;
}

std::int32_t dateCodeOf(DayNumber day) {
    return dateCodeOf(civilFromDayNumber(day));
}

std::int32_t yearlyCodeOf(const CivilDate& date) {
    return (date.month - 1) * 100 + date.day;
}

std::int32_t weekdayNoteCode(const WeekdayNoteRule& rule) {
    const int slot = rule.month == kEveryMonth ? kEveryMonthSlot : rule.month - 1;
    return 10000 + slot * 100 + daysSinceSunday(rule.weekday) * 10 + rule.occurrence;
}

WeekdayNoteRule weekdayNoteRuleOfCode(std::int32_t code) {
    const int rest = code - 10000;
    const int slot = rest / 100;
    return {slot == kEveryMonthSlot ? kEveryMonth : slot + 1, static_cast<Weekday>(rest / 10 % 10),
            rest % 10};
}

std::int32_t periodicAnchor(DayNumber day, int period) {
    return day % period + period;
}

std::string dayNoteFileName(std::int32_t dateCode) {
    return std::to_string(dateCode) + ".txt";
}

std::string periodicNoteFileName(std::int32_t anchor, std::int32_t period) {
    return std::to_string(anchor) + "." + std::to_string(period) + ".tnt";
}

std::string periodicNoteFileNameFor(DayNumber day, int period) {
    return periodicNoteFileName(periodicAnchor(day, period), period);
}

std::string yearlyNoteFileName(std::int32_t yearlyCode) {
    return std::to_string(yearlyCode) + ".jnt";
}

std::string weekdayNoteFileName(std::int32_t weekdayCode) {
    return std::to_string(weekdayCode) + ".wmt";
}

std::int32_t leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    constexpr std::int64_t kSaturation = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), kSaturation);
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> dayNoteCodeOfName(std::string_view fileName) {
    const std::int32_t code = leadingNumber(fileName.substr(0, kReadNamePrefix));
    if (code <= kDayCodeLowerBound || code >= kDayCodeUpperBound)
        return std::nullopt;
    return code;
}

std::optional<std::int32_t> yearlyCodeOfName(std::string_view fileName) {
    const std::int32_t code = leadingNumber(fileName.substr(0, kReadNamePrefix));
    if (code < 1 || code > kLastYearlyCode)
        return std::nullopt;
    return code;
}

std::optional<std::int32_t> weekdayCodeOfName(std::string_view fileName) {
    if (fileName.size() < 4)
        return std::nullopt;
    return leadingNumber(fileName.substr(0, fileName.size() - 4));
}

std::optional<PeriodicNoteEntry> periodicEntryOfName(std::string_view fileName) {
    constexpr std::size_t kExtensionLength = 4; // ".tnt"
    const std::size_t firstDot = fileName.find('.');
    if (firstDot == std::string_view::npos || fileName.size() < kExtensionLength)
        return std::nullopt;
    const std::int32_t anchor = leadingNumber(fileName.substr(0, firstDot));
    if (anchor <= 0)
        return std::nullopt;
    const std::size_t periodStart = firstDot + 1;
    const std::size_t periodEnd = fileName.size() - kExtensionLength;
    const std::string_view periodText = periodEnd > periodStart
                                            ? fileName.substr(periodStart, periodEnd - periodStart)
                                            : std::string_view{};
    return PeriodicNoteEntry{anchor, leadingNumber(periodText)};
}

} // namespace tp
