#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "notes/NotesOfDay.h"
#include "platform/UserFileStore.h"

#include <filesystem>
#include <istream>

namespace tp::cli {

namespace {

// The user's data folder of --data; an error text when it is missing or not a folder.
std::optional<std::filesystem::path> dataFolder(const ParsedArguments& parsed, std::string& error) {
    const std::string* text = optionValue(parsed, "data");
    if (!text) {
        error = "--data DIR is needed";
        return std::nullopt;
    }
    const std::filesystem::path folder(std::u8string(text->begin(), text->end()));
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) {
        error = "not a folder: " + *text;
        return std::nullopt;
    }
    return folder;
}

// The first line of the input without its line end; the rest of the line is the password as
// typed, blanks included.
std::string firstLine(std::istream& in) {
    std::string line;
    std::getline(in, line);
    if (line.ends_with('\r'))
        line.pop_back();
    return line;
}

} // namespace

int runNotesCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                    std::ostream& err) {
    std::string error;
    const auto parsed =
        parseArguments(arguments, {"data"}, {"password-stdin", "status-line"}, error);
    if (!parsed) {
        err << "notes: " << error << '\n';
        return kUsageError;
    }
    if (parsed->positional.size() != 1) {
        err << "notes: expected one DATE (YYYY-MM-DD)\n";
        return kUsageError;
    }
    const auto day = parseSupportedDate(parsed->positional[0]);
    if (!day) {
        err << "notes: DATE must be YYYY-MM-DD between 1970-01-01 and 2037-07-31\n";
        return kUsageError;
    }
    const auto folder = dataFolder(*parsed, error);
    if (!folder) {
        err << "notes: " << error << '\n';
        return kUsageError;
    }
    const std::string password = hasFlag(*parsed, "password-stdin") ? firstLine(in) : "";
    SystemFileSystem files;
    UserFileStore store(files);
    const auto indexes = readNoteIndexes(store, *folder);
    if (!indexes) {
        err << "notes: the notes in " << parsed->options.at("data") << " cannot be listed\n";
        return kUsageError;
    }
    out << (hasFlag(*parsed, "status-line")
                ? noteStatusLine(store, *folder, *indexes, *day, password)
                : collectNotesOfDay(store, *folder, *indexes, *day, password,
                                    NoteTextMode::Window));
    return 0;
}

int runNoteMarksCommand(const std::vector<std::string>& arguments, std::ostream& out,
                        std::ostream& err) {
    std::string error;
    const auto parsed = parseArguments(arguments, {"data"}, error);
    if (!parsed) {
        err << "note-marks: " << error << '\n';
        return kUsageError;
    }
    const auto range = parseDayRange(*parsed, error);
    if (!range) {
        err << "note-marks: " << error << '\n';
        return kUsageError;
    }
    const auto folder = dataFolder(*parsed, error);
    if (!folder) {
        err << "note-marks: " << error << '\n';
        return kUsageError;
    }
    SystemFileSystem files;
    UserFileStore store(files);
    const auto listed = readNoteIndexes(store, *folder);
    if (!listed) {
        err << "note-marks: the notes in " << parsed->options.at("data") << " cannot be listed\n";
        return kUsageError;
    }
    const NoteIndexes& indexes = *listed;
    out << "date\tday_note\tperiodic\tyearly\tweekday\n";
    for (DayNumber day = range->from; day <= range->to; ++day) {
        const DayNoteMarks marks = noteMarksOfDay(indexes, day);
        out << isoDateText(day) << '\t' << (marks.dayNote ? 1 : 0) << '\t' << marks.periodicNotes
            << '\t' << (marks.yearlyNote ? 1 : 0) << '\t' << marks.weekdayMarks << '\n';
    }
    return 0;
}

} // namespace tp::cli
