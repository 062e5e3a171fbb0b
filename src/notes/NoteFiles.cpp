#include "notes/NoteFiles.h"

#include "notes/NoteCipher.h"
#include "platform/AtomicFile.h"
#include "platform/FolderListing.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace tp {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kDigitsPerCharacter = 3;

// Enough stored bytes for the longest note: one more than the limit lets the editor see and cut
// an over-long plain file; an enciphered note takes three bytes per character.
std::size_t storedLengthBound(const NoteCipher& cipher) {
    return cipher.hasPassword() ? kDigitsPerCharacter * kNoteLengthLimit : kNoteLengthLimit + 1;
}

std::string quotedName(const std::string& fileName) {
    return "\u201E" + fileName + "\u201C";
}

fs::path pathOfName(const std::string& fileName) {
    return fs::path(std::u8string(fileName.begin(), fileName.end()));
}

NoteFileResult failure(std::string reason) {
    return {false, std::move(reason)};
}

// The file names of the folder that end in `extension`, folders included, sorted by name so
// that every platform and every run sees them in the same order.
std::vector<std::string> listedNames(const fs::path& folder, std::string_view extension) {
    std::vector<std::string> names = entryNamesOf(folder);
    std::erase_if(names,
                  [extension](const std::string& name) { return !name.ends_with(extension); });
    std::sort(names.begin(), names.end());
    return names;
}

template <typename Parse>
std::vector<std::int32_t> sortedCodes(const std::vector<std::string>& names, Parse parse) {
    std::vector<std::int32_t> codes;
    codes.reserve(names.size());
    for (const std::string& name : names)
        if (const auto code = parse(name))
            codes.push_back(*code);
    std::sort(codes.begin(), codes.end());
    return codes;
}

std::size_t fillIndex(NoteIndexes& indexes, NoteKind kind, const std::vector<std::string>& names) {
    switch (kind) {
    case NoteKind::Day:
        indexes.dayNotes = sortedCodes(names, dayNoteCodeOfName);
        return indexes.dayNotes.size();
    case NoteKind::Yearly:
        indexes.yearlyNotes = sortedCodes(names, yearlyCodeOfName);
        return indexes.yearlyNotes.size();
    case NoteKind::WeekdayInMonth:
        indexes.weekdayNotes = sortedCodes(names, weekdayCodeOfName);
        return indexes.weekdayNotes.size();
    case NoteKind::Periodic:
        indexes.periodicNotes.clear();
        for (const std::string& name : names)
            if (const auto entry = periodicEntryOfName(name))
                indexes.periodicNotes.push_back(*entry);
        return indexes.periodicNotes.size();
    }
    return 0;
}

std::string fileNameOfEntry(NoteKind kind, std::int32_t code) {
    switch (kind) {
    case NoteKind::Day:
        return dayNoteFileName(code);
    case NoteKind::Yearly:
        return yearlyNoteFileName(code);
    case NoteKind::WeekdayInMonth:
        return weekdayNoteFileName(code);
    case NoteKind::Periodic:
        break;
    }
    return {};
}

// Removes one note file; a missing file is no failure, a folder of that name is.
NoteFileResult deleteNoteFile(const fs::path& folder, const std::string& fileName) {
    const fs::path path = folder / pathOfName(fileName);
    std::error_code error;
    if (fs::is_directory(path, error))
        return failure("Die Notiz " + quotedName(fileName) +
                       " ist ein Ordner und wurde nicht gelöscht.");
    if (!fs::remove(path, error) && error)
        return failure("Die Notiz " + quotedName(fileName) +
                       " konnte nicht gelöscht werden: " + error.message());
    return {};
}

int deleteFiles(const fs::path& folder, const std::vector<std::string>& fileNames) {
    int failures = 0;
    for (const std::string& fileName : fileNames)
        if (!deleteNoteFile(folder, fileName).ok)
            ++failures;
    return failures;
}

} // namespace

std::optional<std::string> readStoredNote(const fs::path& folder, const std::string& fileName,
                                          const std::string& password) {
    const fs::path path = folder / pathOfName(fileName);
    std::error_code error;
    if (fs::is_directory(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    const NoteCipher cipher(password);
    std::string stored(storedLengthBound(cipher), '\0');
    in.read(stored.data(), static_cast<std::streamsize>(stored.size()));
    if (in.bad())
        return std::nullopt;
    stored.resize(static_cast<std::size_t>(in.gcount()));
    return cipher.decipherNote(stored);
}

std::string readNoteFile(const fs::path& folder, const std::string& fileName,
                         const std::string& password) {
    return utf8FromWindows1252(readStoredNote(folder, fileName, password).value_or(""));
}

NoteFileResult writeNoteFile(const fs::path& folder, NoteIndexes& indexes, NoteKind kind,
                             const std::string& fileName, const std::string& text,
                             const std::string& password) {
    NoteFileResult result;
    if (text.empty()) {
        result = deleteNoteFile(folder, fileName);
    } else {
        const fs::path path = folder / pathOfName(fileName);
        const std::string stored = NoteCipher(password).encipherNote(windows1252FromUtf8(text));
        errno = 0;
        if (writeFileAtomically(path, stored)) {
            setHiddenAttribute(path);
        } else {
            std::string detail = errno != 0 ? std::strerror(errno) : "";
            std::error_code ignored;
            if (fs::is_directory(path, ignored))
                detail = "ein Ordner trägt diesen Namen";
            result =
                failure("Die Notiz " + quotedName(fileName) + " konnte nicht gespeichert werden" +
                        (detail.empty() ? "." : ": " + detail));
        }
    }
    rebuildNoteIndex(folder, indexes, kind);
    return result;
}

int rebuildNoteIndex(const fs::path& folder, NoteIndexes& indexes, NoteKind kind) {
    return static_cast<int>(fillIndex(indexes, kind, listedNames(folder, noteFileExtension(kind))));
}

NoteIndexes readNoteIndexes(const fs::path& folder) {
    // One listing serves all four kinds. The day, yearly and weekday indexes sort their codes
    // themselves; only the periodic entries keep the order of their names.
    std::vector<std::string> all = entryNamesOf(folder);
    NoteIndexes indexes;
    for (const NoteKind kind : kAllNoteKinds) {
        const std::string_view extension = noteFileExtension(kind);
        const auto ofKind = std::partition(all.begin(), all.end(), [&](const std::string& name) {
            return !name.ends_with(extension);
        });
        std::vector<std::string> names(std::make_move_iterator(ofKind),
                                       std::make_move_iterator(all.end()));
        all.erase(ofKind, all.end());
        if (kind == NoteKind::Periodic)
            std::sort(names.begin(), names.end());
        fillIndex(indexes, kind, names);
    }
    return indexes;
}

int deleteDayNotesUpTo(const fs::path& folder, NoteIndexes& indexes, DayNumber lastDay) {
    const std::int32_t lastCode = dateCodeOf(lastDay);
    std::vector<std::string> doomed;
    for (const std::int32_t code : indexes.dayNotes)
        if (code <= lastCode)
            doomed.push_back(dayNoteFileName(code));
    const int failures = deleteFiles(folder, doomed);
    rebuildNoteIndex(folder, indexes, NoteKind::Day);
    return failures;
}

int deleteAllNotesOfKind(const fs::path& folder, NoteIndexes& indexes, NoteKind kind) {
    std::vector<std::string> doomed;
    if (kind == NoteKind::Periodic) {
        for (const PeriodicNoteEntry& entry : indexes.periodicNotes)
            doomed.push_back(periodicNoteFileName(entry.anchor, entry.period));
    } else {
        const auto& codes = kind == NoteKind::Day      ? indexes.dayNotes
                            : kind == NoteKind::Yearly ? indexes.yearlyNotes
                                                       : indexes.weekdayNotes;
        for (const std::int32_t code : codes)
            doomed.push_back(fileNameOfEntry(kind, code));
    }
    const int failures = deleteFiles(folder, doomed);
    rebuildNoteIndex(folder, indexes, kind);
    return failures;
}

} // namespace tp
