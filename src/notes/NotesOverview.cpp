#include "notes/NotesOverview.h"

#include "notes/NotesOfDay.h"

#include <cstdio>

namespace tp {

namespace {

constexpr std::string_view kDaySeparator = "\r\n \r\n";
constexpr std::size_t kTodayRuleLength = 56;

std::string dateLine(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    char text[48];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d\r\n", date.day, date.month, date.year);
    return text;
}

// Empty lines go, so the notes of one day stand on consecutive lines.
void removeEmptyLines(std::string& text) {
    for (std::size_t at = text.find("\r\n\r\n"); at != std::string::npos;
         at = text.find("\r\n\r\n", at))
        text.erase(at, 2);
}

} // namespace

std::vector<DayNumber> daysOfMonthColumns(int year, int month, int columnCount) {
    std::vector<DayNumber> days;
    DayNumber day = dayNumberOf(year, month, 1);
    for (int column = 0; column < columnCount; ++column) {
        const int nextYear = month == 12 ? year + 1 : year;
        const int nextMonth = month == 12 ? 1 : month + 1;
        const DayNumber nextFirst = dayNumberOf(nextYear, nextMonth, 1);
        for (; day < nextFirst; ++day)
            days.push_back(day);
        year = nextYear;
        month = nextMonth;
    }
    return days;
}

std::string buildNotesOverview(UserFileStore& store, const std::filesystem::path& folder,
                               const NoteIndexes& indexes, const std::string& password,
                               std::span<const DayNumber> displayedDays, DayNumber today) {
    std::string text;
    for (const DayNumber day : displayedDays) {
        if (day == today && !text.empty())
            text += "\r\n" + std::string(kTodayRuleLength, '_') + "\r\n";
        const std::string notes =
            collectNotesOfDay(store, folder, indexes, day, password, NoteTextMode::Window);
        if (notes.empty())
            continue;
        if (!text.empty())
            text += kDaySeparator;
        text += dateLine(day);
        text += notes;
    }
    removeEmptyLines(text);
    return text;
}

} // namespace tp
