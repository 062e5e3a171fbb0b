#include "notes/NotesOfDay.h"

#include "notes/NoteCipher.h"
#include "notes/PeriodicNoteDays.h"

#include <algorithm>

namespace tp {

namespace {

// Separators and the shown line break in Windows-1252.
constexpr std::string_view kWindowSeparator = "\r\n\r\n";
constexpr std::string_view kStatusLineSeparator = "\xA0|\xA0";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kShownLineBreak = "\xA0\xBB\xA0";

// Placeholder contents longer than this are no placeholders.
constexpr std::size_t kLongestPlaceholder = 4;

bool contains(const std::vector<std::int32_t>& sortedCodes, std::int32_t code) {
    return std::binary_search(sortedCodes.begin(), sortedCodes.end(), code);
}

int lengthOfMonth(const CivilDate& date) {
    const DayNumber first = dayNumberOf(date.year, date.month, 1);
    const DayNumber next = date.month == 12 ? dayNumberOf(date.year + 1, 1, 1)
                                            : dayNumberOf(date.year, date.month + 1, 1);
    return next - first;
}

// A day seen from the weekday-in-month notes.
struct WeekdayPosition {
    int month; // 1..12
    Weekday weekday;
    int occurrence; // 0..4
    bool lastButOnFourth;
};

WeekdayPosition weekdayPositionOf(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    const int length = lengthOfMonth(date);
    return {date.month, weekdayOf(day), occurrenceOfDay(date.day),
            date.day < 29 && date.day > length - 7};
}

std::int32_t codeOf(int month, const WeekdayPosition& position, int occurrence) {
    return weekdayNoteCode({month, position.weekday, occurrence});
}

bool hasWeekdayNote(const NoteIndexes& indexes, const WeekdayPosition& position, int occurrence) {
    return contains(indexes.weekdayNotes, codeOf(position.month, position, occurrence)) ||
           contains(indexes.weekdayNotes, codeOf(kEveryMonth, position, occurrence));
}

std::string replaceAll(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// Collects the texts of one day in Windows-1252, each followed by the separator.
class DayNoteCollector {
  public:
    DayNoteCollector(UserFileStore& store, const std::filesystem::path& folder,
                     const NoteIndexes& indexes, const std::string& password,
                     std::string_view separator)
        : store_(store), folder_(folder), indexes_(indexes), password_(password),
          separator_(separator) {}

    void append(const std::string& text) {
        if (text.empty())
            return;
        result_ += text;
        result_ += separator_;
    }

    std::string read(const std::string& fileName) const {
        return readStoredNote(store_, folder_, fileName, password_).text;
    }

    // The note of a month (or of every month) for a weekday and occurrence; a month's own note
    // that is missing gives way to the every-month note.
    std::string weekdayNote(int month, const WeekdayPosition& position, int occurrence) const {
        for (const int candidate : {month, kEveryMonth}) {
            const std::int32_t code = codeOf(candidate, position, occurrence);
            if (!contains(indexes_.weekdayNotes, code))
                continue;
            if (StoredNote note =
                    readStoredNote(store_, folder_, weekdayNoteFileName(code), password_);
                note.status == DataFileStatus::Read)
                return std::move(note.text);
        }
        return {};
    }

    void appendWeekdayPair(const WeekdayPosition& position, int occurrence) {
        const std::string ofMonth = weekdayNote(position.month, position, occurrence);
        const std::string ofEveryMonth = weekdayNote(kEveryMonth, position, occurrence);
        append(ofMonth);
        if (ofEveryMonth != ofMonth)
            append(ofEveryMonth);
    }

    std::string finish() {
        while (!separator_.empty() && result_.ends_with(separator_))
            result_.resize(result_.size() - separator_.size());
        return std::move(result_);
    }

  private:
    UserFileStore& store_;
    const std::filesystem::path& folder_;
    const NoteIndexes& indexes_;
    const std::string& password_;
    std::string_view separator_;
    std::string result_;
};

std::string collectStoredNotesOfDay(UserFileStore& store, const std::filesystem::path& folder,
                                    const NoteIndexes& indexes, DayNumber day,
                                    const std::string& password, NoteTextMode mode) {
    DayNoteCollector notes(store, folder, indexes, password,
                           mode == NoteTextMode::Window ? kWindowSeparator : kStatusLineSeparator);
    const CivilDate date = civilFromDayNumber(day);

    const std::int32_t dateCode = dateCodeOf(date);
    if (contains(indexes.dayNotes, dateCode))
        notes.append(notes.read(dayNoteFileName(dateCode)));

    const int periodicCount = periodicNotesOnDay(indexes, day);
    for (int n = 1; n <= periodicCount; ++n)
        notes.append(notes.read(nthPeriodicNoteFile(indexes, day, n)));

    const std::int32_t yearlyCode = yearlyCodeOf(date);
    if (contains(indexes.yearlyNotes, yearlyCode))
        notes.append(expandYearPlaceholders(notes.read(yearlyNoteFileName(yearlyCode)), date.year));

    const WeekdayPosition position = weekdayPositionOf(day);
    notes.appendWeekdayPair(position, position.occurrence);
    if (weekdayNoteMarks(indexes, day) >= 2)
        notes.appendWeekdayPair(position, kLastOccurrence);
    return notes.finish();
}

} // namespace

bool isOnSeries(const PeriodicNoteEntry& entry, DayNumber day) {
    return entry.period > 0 && day % entry.period == entry.anchor % entry.period;
}

int periodicNotesOnDay(const NoteIndexes& indexes, DayNumber day) {
    return static_cast<int>(
        std::count_if(indexes.periodicNotes.begin(), indexes.periodicNotes.end(),
                      [day](const PeriodicNoteEntry& entry) { return isOnSeries(entry, day); }));
}

std::string nthPeriodicNoteFile(const NoteIndexes& indexes, DayNumber day, int n) {
    for (const PeriodicNoteEntry& entry : indexes.periodicNotes)
        if (isOnSeries(entry, day) && --n == 0)
            return periodicNoteFileName(entry.anchor, entry.period);
    return {};
}

bool periodicNoteExists(const NoteIndexes& indexes, DayNumber day, int period) {
    if (period <= 0)
        return false;
    const PeriodicNoteEntry wanted{periodicAnchor(day, period), period};
    return std::find(indexes.periodicNotes.begin(), indexes.periodicNotes.end(), wanted) !=
           indexes.periodicNotes.end();
}

int weekdayNoteMarks(const NoteIndexes& indexes, DayNumber day) {
    if (indexes.weekdayNotes.empty())
        return 0;
    const WeekdayPosition position = weekdayPositionOf(day);
    const int ordinary = hasWeekdayNote(indexes, position, position.occurrence) ? 1 : 0;
    if (position.lastButOnFourth && hasWeekdayNote(indexes, position, kLastOccurrence))
        return ordinary + 2;
    return ordinary;
}

DayNoteMarks noteMarksOfDay(const NoteIndexes& indexes, DayNumber day, PeriodicNoteDays* periodic) {
    const CivilDate date = civilFromDayNumber(day);
    const int periodicNotes =
        periodic ? (periodic->anyOn(day) ? 1 : 0) : periodicNotesOnDay(indexes, day);
    return {contains(indexes.dayNotes, dateCodeOf(date)), periodicNotes,
            contains(indexes.yearlyNotes, yearlyCodeOf(date)), weekdayNoteMarks(indexes, day)};
}

std::string expandYearPlaceholders(std::string_view text, int year) {
    std::string result(text);
    for (;;) {
        const std::size_t open = result.find('<');
        if (open == std::string::npos)
            return result;
        const std::size_t contentStart = open + 1;
        const std::size_t close = result.find('>', contentStart);
        if (close == std::string::npos || close == contentStart ||
            close - contentStart > kLongestPlaceholder)
            return result;
        const std::int32_t startYear =
            leadingNumber(std::string_view(result).substr(contentStart, close - contentStart));
        if (startYear == 0)
            return result;
        const std::string placeholder = "<" + std::to_string(startYear) + ">";
        if (result.find(placeholder) == std::string::npos)
            return result;
        result = replaceAll(std::move(result), placeholder, std::to_string(year - startYear));
    }
}

std::string collectNotesOfDay(UserFileStore& store, const std::filesystem::path& folder,
                              const NoteIndexes& indexes, DayNumber day,
                              const std::string& password, NoteTextMode mode) {
    return shownNoteText(collectStoredNotesOfDay(store, folder, indexes, day, password, mode));
}

std::string noteStatusLine(UserFileStore& store, const std::filesystem::path& folder,
                           const NoteIndexes& indexes, DayNumber day, const std::string& password) {
    const std::string notes =
        collectStoredNotesOfDay(store, folder, indexes, day, password, NoteTextMode::StatusLine);
    return shownNoteText(replaceAll(notes, kLineBreak, kShownLineBreak));
}

} // namespace tp
