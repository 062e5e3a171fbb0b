#include "notes/NoteFiles.h"

#include "notes/NoteCipher.h"
#include "platform/AtomicFile.h"
#include "platform/Windows1252.h"

#include <algorithm>
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

fs::path pathOfName(const std::string& fileName) {
    return fs::path(std::u8string(fileName.begin(), fileName.end()));
}

// The file names of the folder that end in `extension`, folders included, sorted by name so
// that every platform and every run sees them in the same order; nothing when the folder
// cannot be listed.
std::optional<std::vector<std::string>> listedNames(UserFileStore& store, const fs::path& folder,
                                                    std::string_view extension) {
    auto names = store.list(folder);
    if (!names)
        return std::nullopt;
    std::erase_if(*names, [&](const std::string& name) { return !name.ends_with(extension); });
    std::sort(names->begin(), names->end());
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

// Removes one note file; a missing file is no failure, a folder of that name is, and a file
// that could not be read stays.
SaveResult deleteNoteFile(UserFileStore& store, const fs::path& folder,
                          const std::string& fileName) {
    return store.remove(folder / pathOfName(fileName));
}

int deleteFiles(UserFileStore& store, const fs::path& folder,
                const std::vector<std::string>& fileNames) {
    int failures = 0;
    for (const std::string& fileName : fileNames)
        if (!deleteNoteFile(store, folder, fileName).ok)
            ++failures;
    return failures;
}

} // namespace

fs::path noteFilePath(const fs::path& folder, const std::string& fileName) {
    return folder / pathOfName(fileName);
}

StoredNote readStoredNote(UserFileStore& store, const fs::path& folder, const std::string& fileName,
                          const std::string& password) {
    const NoteCipher cipher(password);
    // A longer file is read and cut to what a note can hold, as it always was.
    constexpr std::uintmax_t kLargestNoteFile = 1u << 20;
    DataFileBytes file = store.read(folder / pathOfName(fileName), kLargestNoteFile);
    if (file.status != DataFileStatus::Read)
        return {file.status, {}, std::move(file.reason)};
    if (file.bytes.size() > storedLengthBound(cipher))
        file.bytes.resize(storedLengthBound(cipher));
    return {DataFileStatus::Read, cipher.decipherNote(file.bytes), {}};
}

StoredNote readNoteFile(UserFileStore& store, const fs::path& folder, const std::string& fileName,
                        const std::string& password) {
    StoredNote note = readStoredNote(store, folder, fileName, password);
    note.text = utf8FromWindows1252(note.text);
    return note;
}

SaveResult writeNoteFile(UserFileStore& store, const fs::path& folder, NoteIndexes& indexes,
                         NoteKind kind, const std::string& fileName, const std::string& text,
                         const std::string& password) {
    const SaveResult result =
        text.empty()
            ? deleteNoteFile(store, folder, fileName)
            : store.save(folder / pathOfName(fileName),
                         NoteCipher(password).encipherNote(windows1252FromUtf8(text)), true);
    rebuildNoteIndex(store, folder, indexes, kind);
    return result;
}

int rebuildNoteIndex(UserFileStore& store, const fs::path& folder, NoteIndexes& indexes,
                     NoteKind kind) {
    const auto names = listedNames(store, folder, noteFileExtension(kind));
    if (!names)
        return 0; // the index stays as it was
    return static_cast<int>(fillIndex(indexes, kind, *names));
}

std::optional<NoteIndexes> readNoteIndexes(UserFileStore& store, const fs::path& folder) {
    auto listed = store.list(folder);
    if (!listed)
        return std::nullopt;
    return noteIndexesOf(std::move(*listed));
}

NoteIndexes noteIndexesOf(std::vector<std::string> all) {
    // One listing serves all four kinds. The day, yearly and weekday indexes sort their codes
    // themselves; only the periodic entries keep the order of their names.
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

int deleteDayNotesUpTo(UserFileStore& store, const fs::path& folder, NoteIndexes& indexes,
                       DayNumber lastDay) {
    const std::int32_t lastCode = dateCodeOf(lastDay);
    std::vector<std::string> doomed;
    for (const std::int32_t code : indexes.dayNotes)
        if (code <= lastCode)
            doomed.push_back(dayNoteFileName(code));
    const int failures = deleteFiles(store, folder, doomed);
    rebuildNoteIndex(store, folder, indexes, NoteKind::Day);
    return failures;
}

int deleteAllNotesOfKind(UserFileStore& store, const fs::path& folder, NoteIndexes& indexes,
                         NoteKind kind) {
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
    const int failures = deleteFiles(store, folder, doomed);
    rebuildNoteIndex(store, folder, indexes, kind);
    return failures;
}

} // namespace tp
