#include "caldav/EventText.h"

#include <algorithm>
#include <vector>

namespace tp::caldav {

namespace {

// The content lines of an iCalendar text with folded lines joined.
std::vector<std::string> unfoldedLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && (line.front() == ' ' || line.front() == '\t') && !lines.empty())
            lines.back().append(line.substr(1));
        else if (!line.empty())
            lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string nameOf(const std::string& line) {
    const auto end = line.find_first_of(";:");
    std::string name = line.substr(0, end);
    for (char& c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return name;
}

std::string valueOf(const std::string& line) {
    // A colon inside a quoted parameter is no separator.
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return line.substr(i + 1);
    }
    return {};
}

// The component that begins at `lines[index]` (a BEGIN line) with its properties sorted and
// its sub-components, each made comparable the same way, sorted after them.
std::string comparableComponent(const std::vector<std::string>& lines, std::size_t& index) {
    const std::string begin = lines[index++];
    std::vector<std::string> properties;
    std::vector<std::string> components;
    while (index < lines.size()) {
        const std::string name = nameOf(lines[index]);
        if (name == "END") {
            ++index;
            break;
        }
        if (name == "BEGIN")
            components.push_back(comparableComponent(lines, index));
        else {
            if (name != "DTSTAMP")
                properties.push_back(lines[index]);
            ++index;
        }
    }
    std::sort(properties.begin(), properties.end());
    std::sort(components.begin(), components.end());
    std::string text = begin + "\n";
    for (const std::string& property : properties)
        text += property + "\n";
    for (const std::string& component : components)
        text += component;
    return text + "END\n";
}

std::optional<std::size_t> firstEventLine(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (nameOf(lines[i]) == "BEGIN" && valueOf(lines[i]) == "VEVENT")
            return i;
    return std::nullopt;
}

std::optional<DayNumber> dateOf(const std::string& value) {
    if (value.size() < 8 ||
        !std::all_of(value.begin(), value.begin() + 8, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int year = std::stoi(value.substr(0, 4));
    const int month = std::stoi(value.substr(4, 2));
    const int day = std::stoi(value.substr(6, 2));
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return dayNumberOf(year, month, day);
}

} // namespace

StoredEvent storedEventOf(std::string_view calendarData) {
    StoredEvent event;
    const std::vector<std::string> lines = unfoldedLines(calendarData);
    const auto first = firstEventLine(lines);
    if (!first)
        return event;
    int depth = 0;
    for (std::size_t i = *first; i < lines.size(); ++i) {
        const std::string name = nameOf(lines[i]);
        if (name == "BEGIN")
            ++depth;
        else if (name == "END" && --depth == 0)
            break;
        else if (depth == 1 && name == "UID")
            event.uid = valueOf(lines[i]);
        else if (depth == 1 && name == "DTSTART")
            event.firstDay = dateOf(valueOf(lines[i]));
    }
    std::size_t index = *first;
    event.comparable = comparableComponent(lines, index);
    return event;
}

std::string comparableEvent(std::string_view calendarData) {
    return storedEventOf(calendarData).comparable;
}

bool isOwnUid(std::string_view uid) {
    constexpr std::string_view kOwnSuffix = "@turnoplaner";
    return uid.size() > kOwnSuffix.size() &&
           uid.substr(uid.size() - kOwnSuffix.size()) == kOwnSuffix;
}

} // namespace tp::caldav
