#include "notes/NoteEditing.h"

#include <algorithm>

namespace tp {

namespace {

bool isInLastWeekOfMonth(const CivilDate& date) {
    const DayNumber nextFirst = date.month == 12 ? dayNumberOf(date.year + 1, 1, 1)
                                                 : dayNumberOf(date.year, date.month + 1, 1);
    return dayNumberOf(date) + 7 >= nextFirst;
}

bool isBreakOrTab(char character) {
    return character == '\r' || character == '\n' || character == '\t';
}

std::size_t trailingBreaks(std::string_view text) {
    std::size_t count = 0;
    while (count < text.size() && isBreakOrTab(text[text.size() - 1 - count]))
        ++count;
    return count;
}

} // namespace

std::string withoutTypedTrailingBreaks(std::string text, std::string_view opened) {
    // Other control characters are never typed: they come from a wrong password and stay.
    const std::size_t typed = trailingBreaks(text);
    text.resize(text.size() - typed + std::min(typed, trailingBreaks(opened)));
    return text;
}

std::string bothNoteTexts(std::string_view otherText, std::string_view ownText) {
    if (otherText.empty() || ownText.empty())
        return std::string(otherText.empty() ? ownText : otherText);
    return std::string(otherText) + "\r\n--------------------\r\n" + std::string(ownText);
}

int periodOfPeriodicFileName(const std::string& fileName) {
    const std::size_t dot = fileName.find('.');
    return dot == std::string::npos ? 0 : leadingNumber(std::string_view(fileName).substr(dot + 1));
}

std::vector<std::int32_t> weekdayNoteCodesOfDay(const NoteIndexes& indexes, DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    const Weekday weekday = weekdayOf(day);
    const int occurrence = occurrenceOfDay(date.day);
    const bool alsoLast = occurrence == 3 && isInLastWeekOfMonth(date);
    const auto matches = [&](std::int32_t code) {
        for (const int month : {date.month, kEveryMonth}) {
            if (code == weekdayNoteCode({month, weekday, occurrence}))
                return true;
            if (alsoLast && code == weekdayNoteCode({month, weekday, kLastOccurrence}))
                return true;
        }
        return false;
    };
    std::vector<std::int32_t> codes;
    std::copy_if(indexes.weekdayNotes.begin(), indexes.weekdayNotes.end(),
                 std::back_inserter(codes), matches);
    return codes;
}

WeekdayNoteRule proposedWeekdayRule(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    return {date.month, weekdayOf(day),
            isInLastWeekOfMonth(date) ? kLastOccurrence : occurrenceOfDay(date.day)};
}

} // namespace tp
