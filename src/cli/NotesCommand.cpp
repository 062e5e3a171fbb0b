#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DataFolderSession.h"
#include "notes/NotesOfDay.h"

#include <filesystem>
#include <istream>
#include <memory>

namespace tp::cli {

namespace {

// The first line of the input without its line end; the rest of the line is the password as
// typed, blanks included.
std::string firstLine(std::istream& in) {
    std::string line;
    std::getline(in, line);
    if (line.ends_with('\r'))
        line.pop_back();
    return line;
}

// The user's data folder of --data, read with the password on the first line of
// `passwordInput` when given; nothing, after a line on `err`, when the folder is missing, is
// not a folder or its notes cannot be listed.
std::unique_ptr<DataFolderSession> openNotes(const ParsedArguments& parsed,
                                             std::string_view command, std::istream* passwordInput,
                                             std::ostream& err) {
    const std::string* text = optionValue(parsed, "data");
    if (const std::string problem = dataFolderProblem(text); !problem.empty()) {
        err << command << ": " << problem << '\n';
        return nullptr;
    }
    const std::filesystem::path folder(std::u8string(text->begin(), text->end()));
    auto data = std::make_unique<DataFolderSession>(
        folder, passwordInput ? firstLine(*passwordInput) : std::string());
    if (data->session.notesListed())
        return data;
    err << command << ": Die Notizen in " << *text << " können nicht aufgelistet werden\n";
    return nullptr;
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
        err << "notes: erwartet ein DATUM (JJJJ-MM-TT)\n";
        return kUsageError;
    }
    const auto day = parseSupportedDate(parsed->positional[0]);
    if (!day) {
        err << "notes: DATUM muss JJJJ-MM-TT zwischen 1970-01-01 und 2037-07-31 sein\n";
        return kUsageError;
    }
    const auto data =
        openNotes(*parsed, "notes", hasFlag(*parsed, "password-stdin") ? &in : nullptr, err);
    if (!data)
        return kUsageError;
    const std::string notes = hasFlag(*parsed, "status-line") ? data->session.noteStatusLine(*day)
                                                              : data->session.notesOfDay(*day);
    // A note left out would give a day that looks complete.
    if (const auto unreadable = data->session.unreadableNotes(); !unreadable.empty()) {
        err << "notes: Die Notiz " << unreadable.front() << " kann nicht gelesen werden.\n";
        return kUsageError;
    }
    out << notes;
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
    const auto data = openNotes(*parsed, "note-marks", nullptr, err);
    if (!data)
        return kUsageError;
    const NoteIndexes& indexes = data->session.noteIndexes();
    out << "date\tday_note\tperiodic\tyearly\tweekday\n";
    for (DayNumber day = range->from; day <= range->to; ++day) {
        const DayNoteMarks marks = noteMarksOfDay(indexes, day);
        out << isoDateText(day) << '\t' << (marks.dayNote ? 1 : 0) << '\t' << marks.periodicNotes
            << '\t' << (marks.yearlyNote ? 1 : 0) << '\t' << marks.weekdayMarks << '\n';
    }
    return 0;
}

} // namespace tp::cli
