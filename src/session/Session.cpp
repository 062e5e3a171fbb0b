#include "session/Session.h"

#include "backup/AutomaticBackups.h"
#include "markings/SharedMarkingFiles.h"
#include "model/BlockCrewOrder.h"
#include "model/Today.h"
#include "notes/NoteCipher.h"
#include "notes/NotePasswordCheck.h"
#include "notes/NotesOfDay.h"
#include "notes/NotesOverview.h"
#include "platform/PathText.h"
#include "platform/Windows1252.h"
#include "settings/SettingsFile.h"
#include "settings/UserLogin.h"

#include <algorithm>

namespace tp {

namespace fs = std::filesystem;

namespace {

std::string quoted(const char* fileName) {
    return std::string("\"") + fileName + "\"";
}

std::string unreadableAtLoading(const char* fileName) {
    return "Die Datei " + quoted(fileName) +
           " konnte nicht gelesen werden. Sie bleibt unverändert; was jetzt eingegeben wird, "
           "kann nicht in ihr gespeichert werden.";
}

// Why a data file is left as it is, for the message at loading.
std::string keptAtLoading(FileSystem& files, const fs::path& folder, const char* fileName) {
    if (files.typeOf(folder / fileName, false) == EntryType::Link)
        return keptLinkedFile(folder / fileName).reason;
    return unreadableAtLoading(fileName);
}

// What a loading skipped of a data file, and where the file as it was is kept.
std::string skippedAtLoading(const fs::path& file, int skipped) {
    const std::u8string name = file.filename().u8string();
    const std::u8string copy = damagedCopyOf(file).filename().u8string();
    return "Die Datei \"" + std::string(name.begin(), name.end()) + "\" enthält " +
           (skipped == 1
                ? std::string("einen beschädigten Eintrag, der übersprungen wurde")
                : std::to_string(skipped) + " beschädigte Einträge, die übersprungen wurden") +
           ". Sie wird vor dem nächsten Speichern als \"" + std::string(copy.begin(), copy.end()) +
           "\" aufbewahrt.";
}

// Tells what the store skipped of `file` at its loading, if anything.
void addSkippedRecords(SessionReport& report, const UserFileStore& store, const fs::path& file) {
    if (const int skipped = store.skippedRecords(file); skipped > 0)
        report.errors.push_back(skippedAtLoading(file, skipped));
}

std::string replacedNotice(const char* fileName, int replaced) {
    return "Die Datei " + quoted(fileName) +
           " wurde inzwischen an einem anderen Rechner geändert. Einträge von dort, die durch "
           "die hier geänderten ersetzt wurden: " +
           std::to_string(replaced) + ". Alle übrigen Einträge beider Rechner bleiben erhalten.";
}

// Enough notes to judge a password by, few enough to read at a login: the newest day notes,
// then those of the other kinds.
constexpr std::size_t kJudgedDayNotes = 16;
constexpr std::size_t kJudgedNotes = 24;

std::vector<std::string> notesToJudgeBy(const NoteIndexes& indexes) {
    std::vector<std::string> names;
    for (auto code = indexes.dayNotes.rbegin();
         code != indexes.dayNotes.rend() && names.size() < kJudgedDayNotes; ++code)
        names.push_back(dayNoteFileName(*code));
    for (const PeriodicNoteEntry& entry : indexes.periodicNotes)
        names.push_back(periodicNoteFileName(entry.anchor, entry.period));
    for (const std::int32_t code : indexes.yearlyNotes)
        names.push_back(yearlyNoteFileName(code));
    for (const std::int32_t code : indexes.weekdayNotes)
        names.push_back(weekdayNoteFileName(code));
    if (names.size() > kJudgedNotes)
        names.resize(kJudgedNotes);
    return names;
}

// Tells the user which values from another installation his own replaced, if any.
void addAccountOutcome(SessionReport& report, const MergedAccountSave& result,
                       const char* fileName) {
    if (!result.saved.ok) {
        report.errors.push_back(result.saved.reason);
        return;
    }
    if (result.replacedValues.empty())
        return;
    std::string values;
    for (const std::string& value : result.replacedValues)
        values += (values.empty() ? "" : "; ") + value;
    report.notices.push_back("Die Datei " + quoted(fileName) +
                             " wurde inzwischen an einem anderen Rechner geändert. Werte von "
                             "dort, die durch die hier eingegebenen ersetzt wurden: " +
                             values + ". Alle übrigen Werte bleiben erhalten.");
}

void addSharedOutcome(SessionReport& report, const SharedSaveResult& result, const char* fileName) {
    if (!result.saved.ok)
        report.errors.push_back(result.saved.reason);
    else if (result.replacedEntries > 0)
        report.notices.push_back(replacedNotice(fileName, result.replacedEntries));
}

} // namespace

Session::Session(FileSystem& files, const Clock& clock) : store_(files), clock_(clock) {
    useSettings(state_, ProgramSettings{}, crewTableYear());
}

DayNumber Session::today() const {
    return todayOf(clock_);
}

int Session::crewTableYear() const {
    return clock_.now().year;
}

PageLook Session::pageLook() const {
    return pageLookOf(state_);
}

SessionReport Session::start(const fs::path& startFolder) {
    SessionReport report;
    LoadedSettings loaded;
    // An empty start folder would be resolved against a current folder that is gone.
    if (!startFolder.empty()) {
        // Folders that cannot be made keep their names, so that the failed save at the end
        // can say which file was not written.
        std::error_code error;
        const auto folders = prepareDataFolders(store_.files(), startFolder, kDefaultUserName);
        state_.dataRoot =
            folders ? folders->dataRoot : fs::absolute(startFolder / kDataRootName, error);
        if (!folders) {
            // The run goes on with the defaults and without data; the end says again what
            // could not be saved.
            report.errors.push_back("Der Datenordner \"" + pathText(state_.dataRoot) +
                                    "\" kann nicht angelegt werden. Was jetzt eingegeben wird, "
                                    "kann nicht gespeichert werden.");
            useSettings(state_, loaded.settings, crewTableYear());
            settingsAsSaved_ = settingsFileBytes(settings());
            return report;
        }
        if (!folders->moveNotice.empty())
            report.notices.push_back(folders->moveNotice);
        loaded = loadSettings(store_, userFolderOf(state_.dataRoot, kDefaultUserName),
                              folderPathText(state_.dataRoot));
        lastUserName_ = loaded.settings.lastUserName;
    }
    report.add(enterUser(kDefaultUserName, std::move(loaded))); // every run starts as this user
    report.add(loadUserData());
    settingsAsSaved_ = settingsFileBytes(settings());
    judgeNoteKey(false);
    return report;
}

SessionReport Session::openDataFolder(const fs::path& folder, const std::string& password) {
    setDataFolder(state_, folder);
    state_.notePassword = password;
    SessionReport report = loadUserData(Opening::Reading);
    judgeNoteKey(false);
    return report;
}

bool Session::isUnreadable(const char* fileName) const {
    return store_.isUnreadable(state_.dataFolder / fileName);
}

std::vector<std::string> Session::unreadableNotes() const {
    std::vector<std::string> names;
    for (const fs::path& file : store_.unreadableFiles()) {
        if (file.parent_path() != state_.dataFolder)
            continue;
        const std::string name = pathText(file.filename());
        if (dayNoteCodeOfName(name) || periodicEntryOfName(name) || yearlyCodeOfName(name) ||
            weekdayCodeOfName(name))
            names.push_back(name);
    }
    return names;
}

SessionReport Session::enterUser(const std::string& userName, LoadedSettings loaded) {
    SessionReport report;
    if (loaded.read == ReadResult::Unreadable) {
        const fs::path file = userFolderOf(state_.dataRoot, userName) / kSettingsFileName;
        report.errors.push_back(store_.files().typeOf(file, false) == EntryType::Link
                                    ? keptLinkedFile(kSettingsFileName).reason
                                    : kSettingsUnreadableMessage);
    }
    addSkippedRecords(report, store_, userFolderOf(state_.dataRoot, userName) / kSettingsFileName);
    loaded.settings.userName = userName; // the folder decides, whatever the file says
    useSettings(state_, loaded.settings, crewTableYear());
    report.add(checkDataFolder(std::move(loaded.settings)));
    return report;
}

SessionReport Session::checkDataFolder(ProgramSettings settings) {
    SessionReport report;
    setDataFolder(state_, {});
    if (state_.dataRoot.empty())
        return report;
    const ExternalFolderCheck check =
        checkExternalDataFolder(store_.files(), state_.dataRoot, state_.userName, settings);
    setDataFolder(state_, check.dataFolder);
    if (!check.missingFolderMessage.empty()) {
        report.errors.push_back(check.missingFolderMessage);
        // The folder that is gone is not named again at the next start.
        report.add(writeSettings(userFolderOf(state_), settings));
    }
    if (!check.moveNotice.empty())
        report.notices.push_back(check.moveNotice);
    return report;
}

SessionReport Session::loadUserData(Opening opening) {
    SessionReport report;
    state_.noteIndexes = {};
    state_.shiftMarkings = {};
    state_.calendarBars = {};
    state_.shiftMarkingsAsLoaded.clear();
    state_.calendarBarsAsLoaded.clear();
    state_.hoursAccount = {};
    state_.vacationAccount = {};
    notesListed_ = false;
    const fs::path& folder = state_.dataFolder;
    if (folder.empty())
        return report;
    const bool working = opening == Opening::Working;

    // One listing of the folder serves the notes and the leftovers of interrupted saves.
    std::optional<std::vector<std::string>> names = store_.list(folder);
    notesListed_ = names.has_value();
    if (names && working)
        store_.removeStaleTemporaries(folder, *names);
    // The settings file is saved in the user's folder, which is another one when the data
    // live outside the data root.
    if (const fs::path userFolder = userFolderOf(state_); working && userFolder != folder)
        if (const auto userFolderNames = store_.list(userFolder))
            store_.removeStaleTemporaries(userFolder, *userFolderNames);
    if (const int blocker = working ? store_.files().writeBlocker(folder) : 0)
        report.errors.push_back("In den Datenordner \"" + pathText(folder) +
                                "\" kann nicht geschrieben werden (" + systemErrorText(blocker) +
                                "). Was jetzt eingegeben wird, kann nicht gespeichert werden.");
    state_.noteIndexes = names ? noteIndexesOf(std::move(*names)) : NoteIndexes{};

    state_.shiftMarkings = loadShiftMarkings(store_, folder);
    state_.shiftMarkingsAsLoaded = state_.shiftMarkings.entries();
    if (store_.isUnreadable(folder / kShiftMarkingFileName))
        report.errors.push_back(keptAtLoading(store_.files(), folder, kShiftMarkingFileName));
    addSkippedRecords(report, store_, folder / kShiftMarkingFileName);
    state_.calendarBars = loadCalendarBars(store_, folder);
    state_.calendarBarsAsLoaded = state_.calendarBars.bars();
    if (store_.isUnreadable(folder / kCalendarBarFileName))
        report.errors.push_back(keptAtLoading(store_.files(), folder, kCalendarBarFileName));
    addSkippedRecords(report, store_, folder / kCalendarBarFileName);

    if (working) {
        SaveResult renewed;
        state_.vacationAccount = refreshVacationAccount(store_, folder, today(), renewed).account;
        if (!renewed.ok && store_.files().typeOf(folder / kVacationAccountFileName, false) !=
                               EntryType::Link) // told below
            report.errors.push_back(renewed.reason);
    } else {
        state_.vacationAccount = loadVacationAccount(store_, folder).account;
    }
    addSkippedRecords(report, store_, folder / kVacationAccountFileName);
    state_.hoursAccount = loadHoursAccount(store_, folder).account;
    for (const char* account : {kVacationAccountFileName, kHoursAccountFileName})
        if (store_.files().typeOf(folder / account, false) == EntryType::Link)
            report.errors.push_back(keptLinkedFile(folder / account).reason);
    return report;
}

void Session::moveViewByDays(int days) {
    tp::moveViewByDays(state_.view, days);
}

void Session::setLastColumnIndex(int lastColumnIndex) {
    state_.lastColumnIndex = lastColumnIndex;
    state_.view.cursorColumn = std::min(state_.view.cursorColumn, lastColumnIndex);
}

void Session::rotateVacationCycleOfShownYear() {
    rotateBlockCrewOrder(state_.blockVacationTables, state_.view.year, 1);
}

void Session::storeShiftMarking(DayNumber day, int column, int code) {
    tp::storeShiftMarking(state_.shiftMarkings, state_.calendarType, day, column, code);
    ++markingEdits_;
    ++dataEdits_;
}

void Session::replaceCalendarBars(CalendarBarList bars) {
    bars.changed = bars.changed || state_.calendarBars.changed;
    state_.calendarBars = std::move(bars);
    ++markingEdits_;
    ++dataEdits_;
}

int Session::deleteUpTo(const BulkDeletionChoice& choice, SessionReport& report) {
    if (state_.dataFolder.empty())
        return 0;
    // What the one irreversible command deletes can always be had back.
    const fs::path backupFolder = automaticBackupFolder();
    if (!backupFolder.empty()) {
        const BackupWritten backup = tp::writeBackup(
            store_, backupPlace(),
            backupArchivePath(backupFolder, state_.userName, "vor-Löschen", clock_.now()),
            backupManifest());
        if (!backup.ok()) {
            report.errors.push_back("Es wurde nichts gelöscht, weil die Sicherung vorher nicht "
                                    "geschrieben werden konnte. " +
                                    backup.problem);
            return 0;
        }
    }
    ++dataEdits_;
    // The notes go whether the password fits them or not: the user chose them by their dates,
    // not by what they say, and nothing is enciphered.
    const int failures = deleteChosenNotes(store_, state_.dataFolder, state_.noteIndexes, choice);
    // The markings and bars go the way of every other change of them: merged with what another
    // installation on the same data folder wrote meanwhile.
    if (choice.calendarBars)
        deleteBarsUpTo(state_.calendarBars, choice.lastDay);
    if (choice.shiftMarkings)
        state_.shiftMarkings.removeUpTo(choice.lastDay);
    if (choice.calendarBars || choice.shiftMarkings)
        report.add(saveMarkingsAndBars());
    return failures;
}

StoredNote Session::note(const std::string& fileName) {
    StoredNote note = readStoredNote(store_, state_.dataFolder, fileName, state_.notePassword);
    judgeDecipherment(fileName, note);
    note.text = utf8FromWindows1252(note.text);
    return note;
}

std::optional<std::string> Session::whyNoteIsReadOnly(const std::string& fileName) const {
    if (noteKeyFit_ == NoteKeyFit::DoesNotFit || implausibleNotes_.contains(fileName))
        return kNotePasswordMismatchMessage;
    return std::nullopt;
}

std::optional<std::string> Session::whyNoteIsKept(const std::string& fileName) const {
    const fs::path file = noteFilePath(state_.dataFolder, fileName);
    if (!store_.isUnreadable(file))
        return whyNoteIsReadOnly(fileName);
    return refusedUnreadableFile(file).reason;
}

NoteSaving Session::saveNote(NoteKind kind, const std::string& fileName, const std::string& text,
                             const std::optional<std::string>& asOpened) {
    NoteSaving saving;
    if (state_.dataFolder.empty())
        return saving;
    saving.report = saveNoteUnderLock(kind, fileName, text, asOpened, saving.changedMeanwhile);
    if (saving.ok())
        ++dataEdits_;
    if (saving.ok() && !text.empty() && noteKeyFit_ == NoteKeyFit::Unchecked && !noteKeyDoubted_)
        rememberNoteKey(); // the first note under this password
    return saving;
}

// Read, compare and write under the lock, as the markings are, so that an installation on the
// same data folder cannot change the note in between.
SessionReport Session::saveNoteUnderLock(NoteKind kind, const std::string& fileName,
                                         const std::string& text,
                                         const std::optional<std::string>& asOpened,
                                         std::optional<std::string>& changedMeanwhile) {
    SessionReport report;
    const fs::path& folder = state_.dataFolder;
    if (const auto readOnly = whyNoteIsReadOnly(fileName)) {
        report.errors.push_back(*readOnly);
        return report;
    }
    const auto lock = store_.lockFolder(folder);
    if (!lock) {
        report.errors.push_back(lock.reason);
        return report;
    }
    const StoredNote now = readStoredNote(store_, folder, fileName, state_.notePassword);
    if (now.status == DataFileStatus::Unreadable) {
        report.errors.push_back(refusedUnreadableFile(noteFilePath(folder, fileName)).reason);
        return report;
    }
    judgeDecipherment(fileName, now);
    if (const auto readOnly = whyNoteIsReadOnly(fileName)) {
        report.errors.push_back(*readOnly);
        return report;
    }
    // Changed there to what is saved here is no change to ask about.
    if (std::string textNow = utf8FromWindows1252(now.text);
        asOpened && textNow != *asOpened && textNow != text) {
        changedMeanwhile = std::move(textNow);
        return report;
    }
    if (const SaveResult written = writeNoteFile(store_, folder, state_.noteIndexes, kind, fileName,
                                                 text, state_.notePassword);
        !written.ok)
        report.errors.push_back(written.reason);
    return report;
}

std::string Session::notesOfDay(DayNumber day) {
    return collectNotesOfDay(store_, state_.dataFolder, state_.noteIndexes, day,
                             state_.notePassword, NoteTextMode::Window);
}

std::string Session::noteStatusLine(DayNumber day) {
    return tp::noteStatusLine(store_, state_.dataFolder, state_.noteIndexes, day,
                              state_.notePassword);
}

std::string Session::notesOverview(std::span<const DayNumber> days) {
    return buildNotesOverview(store_, state_.dataFolder, state_.noteIndexes, state_.notePassword,
                              days, today());
}

void Session::refreshAccounts() {
    if (state_.dataFolder.empty())
        return;
    if (const auto hours = loadHoursAccount(store_, state_.dataFolder);
        hours.status != DataFileStatus::Unreadable)
        state_.hoursAccount = hours.account;
    if (const auto vacation = loadVacationAccount(store_, state_.dataFolder);
        vacation.status != DataFileStatus::Unreadable)
        state_.vacationAccount = vacation.account;
}

AccountForEntry<HoursAccount> Session::hoursForEntry() {
    const auto hours = loadHoursAccount(store_, state_.dataFolder);
    if (hours.status == DataFileStatus::Unreadable)
        return {std::nullopt,
                refusedUnreadableFile(state_.dataFolder / kHoursAccountFileName).reason};
    return {hours.account, {}};
}

AccountForEntry<VacationEntry> Session::vacationForEntry(SessionReport& report) {
    SaveResult renewed;
    const auto vacation = refreshVacationAccount(store_, state_.dataFolder, today(), renewed);
    if (!renewed.ok) {
        report.errors.push_back(renewed.reason);
        return {std::nullopt, {}};
    }
    const auto hours = loadHoursAccount(store_, state_.dataFolder);
    for (const auto& [status, name] : {std::pair{vacation.status, kVacationAccountFileName},
                                       std::pair{hours.status, kHoursAccountFileName}})
        if (status == DataFileStatus::Unreadable)
            return {std::nullopt, refusedUnreadableFile(state_.dataFolder / name).reason};
    return {VacationEntry{vacation.account, hours.account.baseCrew}, {}};
}

SessionReport Session::saveHoursEntry(const HoursAccount& asOpened, const HoursAccount& entered) {
    SessionReport report;
    addAccountOutcome(report, saveHoursAccountMerged(store_, state_.dataFolder, asOpened, entered),
                      kHoursAccountFileName);
    if (entered != asOpened)
        ++dataEdits_;
    refreshAccounts();
    return report;
}

SessionReport Session::saveVacationEntry(const VacationEntry& asOpened,
                                         const VacationEntry& entered) {
    SessionReport report;
    const fs::path& folder = state_.dataFolder;
    const MergedAccountSave saved =
        saveVacationAccountMerged(store_, folder, asOpened.vacation, entered.vacation);
    addAccountOutcome(report, saved, kVacationAccountFileName);
    if (saved.saved.ok && entered.baseCrew != asOpened.baseCrew) {
        // Of the hours file only the base crew changes here: the merge takes every other field
        // from the file as it is now.
        HoursAccount wasCrew;
        wasCrew.baseCrew = asOpened.baseCrew;
        HoursAccount withCrew = wasCrew;
        withCrew.baseCrew = entered.baseCrew;
        addAccountOutcome(report, saveHoursAccountMerged(store_, folder, wasCrew, withCrew),
                          kHoursAccountFileName);
    }
    if (entered != asOpened)
        ++dataEdits_;
    refreshAccounts();
    return report;
}

void Session::applySettings(const ProgramSettings& settings) {
    useSettings(state_, settings, crewTableYear());
}

SessionReport Session::storeSettings(const ProgramSettings& settings) {
    applySettings(settings);
    return saveSettingsFile();
}

SessionReport Session::storeCalendarSync(const CalendarSyncChoices& choices) {
    state_.calendarSync = choices;
    return saveSettingsFile();
}

bool Session::logIn(const std::string& userName, const std::string& password,
                    SessionReport& report) {
    if (state_.dataRoot.empty())
        return false; // without a data root there is no folder to keep a user in
    // The old user's data are saved as at the end of the program.
    const UserSwitch change = switchUser(store_.files(), state_.dataRoot, userName,
                                         [this, &report] { report.add(saveAll()); });
    if (change.outcome != UserSwitchOutcome::Switched) {
        std::string message = "Es wurde kein neuer Anwender angemeldet!";
        if (!change.refusalMessage.empty())
            message += "\n" + change.refusalMessage;
        report.errors.push_back(message);
        return false;
    }
    const fs::path userFolder = userFolderOf(state_.dataRoot, userName);
    const std::string dataRootText = folderPathText(state_.dataRoot);
    if (change.newUser) {
        // The new user starts with the current values and keeps his data in his own folder.
        ProgramSettings first = settings();
        first.userName = userName;
        first.userDataFolder = dataRootText;
        first.notePasswordCheck.clear(); // his notes will have a password of their own
        report.add(writeSettings(userFolder, first));
    }
    state_.notePassword = password;
    report.add(enterUser(userName, loadSettings(store_, userFolder, dataRootText)));
    state_.view.cursorColumn = std::min(state_.view.cursorColumn, state_.lastColumnIndex);
    report.add(loadUserData());
    settingsAsSaved_ = settingsFileBytes(settings());
    report.add(judgeNoteKey(true));
    return true;
}

SessionReport Session::useMovedDataFolder(const DataFolderMove& move) {
    if (!move.moved)
        return {};
    setDataFolder(state_, move.dataFolder);
    SessionReport report = loadUserData();
    judgeNoteKey(false);
    return report;
}

SessionReport Session::judgeNoteKey(bool atLogin) {
    SessionReport report;
    noteKeyDoubted_ = false;
    implausibleNotes_.clear();
    switch (notePasswordFit(state_.notePasswordCheck, state_.notePassword)) {
    case NotePasswordFit::Fits:
        noteKeyFit_ = NoteKeyFit::Fits;
        return report;
    case NotePasswordFit::DoesNotFit:
        noteKeyFit_ = NoteKeyFit::DoesNotFit;
        if (atLogin)
            report.errors.push_back(kNotePasswordMismatchMessage);
        return report;
    case NotePasswordFit::CannotTell:
        break;
    }
    noteKeyFit_ = NoteKeyFit::Unchecked;
    // Without a password nothing is deciphered; the notes themselves are judged only at a
    // login (a report just reads them).
    if (!atLogin || state_.notePassword.empty() || state_.dataFolder.empty())
        return report;
    int read = 0;
    for (const std::string& fileName : notesToJudgeBy(state_.noteIndexes)) {
        const StoredNote note =
            readStoredNote(store_, state_.dataFolder, fileName, state_.notePassword);
        read += note.status == DataFileStatus::Read ? 1 : 0;
        judgeDecipherment(fileName, note);
    }
    const int implausible = static_cast<int>(implausibleNotes_.size());
    if (read > 0 && implausible == 0)
        rememberNoteKey();
    else if (2 * implausible > read)
        report.errors.push_back(kNotePasswordMismatchMessage);
    return report;
}

void Session::judgeDecipherment(const std::string& fileName, const StoredNote& windows1252Note) {
    if (noteKeyFit_ != NoteKeyFit::Unchecked || state_.notePassword.empty() ||
        windows1252Note.status != DataFileStatus::Read)
        return;
    if (isPlausibleNoteText(windows1252Note.text)) {
        implausibleNotes_.erase(fileName);
        return;
    }
    implausibleNotes_.insert(fileName);
    noteKeyDoubted_ = true;
}

void Session::rememberNoteKey() {
    // A report's opening has no settings to keep it in.
    if (state_.dataRoot.empty() || state_.notePassword.empty())
        return;
    const std::optional<std::string> check = makeNotePasswordCheck(state_.notePassword);
    if (!check)
        return; // judged by the notes as before
    state_.notePasswordCheck = *check;
    noteKeyFit_ = NoteKeyFit::Fits;
    // Into the settings file at once, its other values as they are there, so that the next
    // login knows it even if this run ends without saving; a failure here is told by the end's
    // save, which writes it too.
    const fs::path userFolder = userFolderOf(state_);
    LoadedSettings loaded = loadSettings(store_, userFolder, folderPathText(state_.dataRoot));
    if (loaded.read == ReadResult::Unreadable)
        return;
    loaded.settings.notePasswordCheck = *check;
    writeSettings(userFolder, loaded.settings);
}

SessionReport Session::saveMarkingsAndBars() {
    SessionReport report;
    const fs::path& folder = state_.dataFolder;
    if (folder.empty() || (!state_.shiftMarkings.changed && !state_.calendarBars.changed))
        return report;
    // One taking of the lock serves both files: a lock that another installation holds is
    // waited for once.
    const auto lock = store_.lockFolder(folder);
    if (!lock) {
        report.errors.push_back(lock.reason);
        return report;
    }
    if (state_.shiftMarkings.changed)
        addSharedOutcome(report,
                         saveShiftMarkingsShared(store_, folder, state_.shiftMarkings,
                                                 state_.shiftMarkingsAsLoaded),
                         kShiftMarkingFileName);
    if (state_.calendarBars.changed)
        addSharedOutcome(report,
                         saveCalendarBarsShared(store_, folder, state_.calendarBars,
                                                state_.calendarBarsAsLoaded),
                         kCalendarBarFileName);
    return report;
}

SessionReport Session::writeSettings(const fs::path& userFolder, const ProgramSettings& settings) {
    SessionReport report;
    if (const SaveResult saved = saveSettings(store_, userFolder, settings); !saved.ok)
        report.errors.push_back(saved.reason);
    return report;
}

SessionReport Session::saveSettingsFile() {
    if (state_.dataRoot.empty())
        return {};
    const fs::path userFolder = userFolderOf(state_);
    if (store_.isUnreadable(userFolder / kSettingsFileName))
        return {}; // told when it was read
    SessionReport report = writeSettings(userFolder, settings());
    if (report.ok())
        settingsAsSaved_ = settingsFileBytes(settings());
    return report;
}

SessionReport Session::saveAll() {
    SessionReport report = saveMarkingsAndBars();
    report.add(saveSettingsFile());
    report.add(rememberLastUser());
    return report;
}

// The default user's file names the user who leaves the program now, so that the next start
// offers his login; the default user's own settings there stay as they are.
SessionReport Session::rememberLastUser() {
    if (state_.dataRoot.empty() || state_.userName == kDefaultUserName)
        return {}; // the default user's own save has just cleared the name
    const fs::path programFolder = userFolderOf(state_.dataRoot, kDefaultUserName);
    LoadedSettings loaded = loadSettings(store_, programFolder, folderPathText(state_.dataRoot));
    if (loaded.read == ReadResult::Unreadable || loaded.settings.lastUserName == state_.userName)
        return {};
    loaded.settings.lastUserName = state_.userName;
    return writeSettings(programFolder, loaded.settings);
}

std::string Session::saveAllOrKeep(const fs::path& keepFolder) {
    const SessionReport report = saveAll();
    if (report.ok())
        return {};
    const UnsavedEntries entries = unsavedEntries();
    KeptEntriesFile kept;
    if (!entries.empty())
        kept = keepUnsavedEntries(store_.files(), keepFolder, entries, clock_.now());
    return endFailureLine(report.errors, entries, kept);
}

UnsavedEntries Session::unsavedEntries() const {
    UnsavedEntries entries;
    entries.dataFolder = state_.dataFolder;
    entries.dataRoot = state_.dataRoot;
    entries.userName = state_.userName;
    if (!state_.dataFolder.empty()) {
        if (const EditedEntries<ShiftMarking> markings{state_.shiftMarkingsAsLoaded,
                                                       state_.shiftMarkings.entries()};
            state_.shiftMarkings.changed && changedMarkingCount(markings) > 0)
            entries.markings = markings;
        if (const EditedEntries<CalendarBar> bars{state_.calendarBarsAsLoaded,
                                                  state_.calendarBars.bars()};
            state_.calendarBars.changed && changedBarCount(bars) > 0)
            entries.bars = bars;
    }
    // Settings that could not be read are never written, and so not kept either.
    if (!state_.dataRoot.empty() && !store_.isUnreadable(userFolderOf(state_) / kSettingsFileName))
        if (std::string edited = settingsFileBytes(settings()); edited != settingsAsSaved_)
            entries.settings = {settingsAsSaved_, std::move(edited)};
    return entries;
}

namespace {

// A kept file is a few kilobytes; anything far larger is none.
constexpr std::uintmax_t kLargestKeptEntriesFile = 64 * 1024 * 1024;

std::string keptFileUnreadable(const fs::path& file, const std::string& reason) {
    return "Die Datei \"" + pathText(file) +
           "\" mit beim letzten Ende nicht gespeicherten Einträgen kann nicht gelesen werden" +
           (reason.empty() ? std::string(".") : ": " + reason + ".");
}

} // namespace

std::vector<Session::KeptEntries> Session::keptEntries(const fs::path& keepFolder) {
    std::vector<KeptEntries> offers;
    for (const fs::path& file : keptEntriesFiles(store_.files(), keepFolder)) {
        KeptEntries offer{file, {}, {}};
        const DataFileBytes bytes = store_.files().read(file, kLargestKeptEntriesFile);
        if (bytes.status != DataFileStatus::Read)
            offer.problem = keptFileUnreadable(file, bytes.reason);
        else if (const auto entries = unsavedEntriesFromFileBytes(bytes.bytes))
            offer.question = takeOverQuestion(*entries);
        else
            offer.problem = keptFileUnreadable(file, {});
        offers.push_back(std::move(offer));
    }
    return offers;
}

SessionReport Session::takeOverKeptEntries(const fs::path& file) {
    SessionReport report;
    const DataFileBytes bytes = store_.files().read(file, kLargestKeptEntriesFile);
    std::optional<UnsavedEntries> entries;
    if (bytes.status == DataFileStatus::Read)
        entries = unsavedEntriesFromFileBytes(bytes.bytes);
    if (!entries) {
        report.errors.push_back(keptFileUnreadable(file, bytes.reason));
        return report;
    }
    UnsavedEntries left = *entries;
    const fs::path& folder = entries->dataFolder;
    // Merged as this run's own save merges: the kept state as loaded is the base, the file as
    // it is now the other side. This run's lists follow the file when they hold no edits.
    if (entries->markings || entries->bars) {
        const auto lock = store_.lockFolder(folder);
        if (!lock)
            report.errors.push_back(lock.reason);
        const bool ours = folder == state_.dataFolder;
        // One kind of entries: saved as a shared save does, and taken into this run's list
        // when the kept ones are in the file and the run has not edited that list itself.
        const auto takeOver = [&](auto& kept, auto& shown, auto& shownAsLoaded, auto save,
                                  const char* fileName) {
            if (!lock || !kept)
                return;
            std::remove_reference_t<decltype(shown)> list(kept->edited);
            list.changed = true;
            auto asLoaded = kept->asLoaded;
            const SharedSaveResult result = save(store_, folder, list, asLoaded);
            addSharedOutcome(report, result, fileName);
            if (!result.saved.ok)
                return;
            if (ours && !shown.changed) {
                shown = std::move(list);
                shownAsLoaded = std::move(asLoaded);
            }
            kept.reset();
        };
        takeOver(left.markings, state_.shiftMarkings, state_.shiftMarkingsAsLoaded,
                 saveShiftMarkingsShared, kShiftMarkingFileName);
        takeOver(left.bars, state_.calendarBars, state_.calendarBarsAsLoaded,
                 saveCalendarBarsShared, kCalendarBarFileName);
    }
    if (entries->settings) {
        const fs::path userFolder = userFolderOf(entries->dataRoot, entries->userName);
        const std::string rootText = folderPathText(entries->dataRoot);
        const LoadedSettings now = loadSettings(store_, userFolder, rootText);
        const ProgramSettings merged = mergedSettings(
            settingsFromFileBytes(entries->settings->asSaved, rootText),
            settingsFromFileBytes(entries->settings->edited, rootText), now.settings);
        if (const SaveResult saved = saveSettings(store_, userFolder, merged); !saved.ok) {
            report.errors.push_back(saved.reason);
        } else {
            left.settings.reset();
            if (userFolder == userFolderOf(state_)) {
                ProgramSettings running = merged;
                running.userName = state_.userName;
                applySettings(running);
                settingsAsSaved_ = settingsFileBytes(settings());
            }
        }
    }

    if (left.empty()) {
        if (const WriteResult removed = store_.files().remove(file); !removed)
            report.errors.push_back("Die Datei \"" + pathText(file) +
                                    "\" konnte nicht gelöscht werden: " + removed.reason);
    } else {
        // What could not be written stays offered, and only that; should the file not be
        // rewritten, what was written already is offered and merged once more.
        if (left != *entries)
            store_.files().replace(file, unsavedEntriesFileBytes(left));
        report.errors.push_back("Was nicht übernommen werden konnte, wird beim nächsten Start "
                                "wieder angeboten.");
    }
    return report;
}

SessionState stateAfterStart(const ProgramSettings& settings, DayNumber today) {
    SessionState state;
    useSettings(state, settings, civilFromDayNumber(today).year);
    showDayFirst(state.view, today);
    return state;
}

PageLook pageLookOf(const SessionState& state) {
    return {shiftSystemOf(state), state.view, state.lastColumnIndex, state.switches, state.accounts,
            state.pageBackground, state.units};
}

BackupPlace Session::backupPlace() const {
    // A report names the user's data folder alone: it is his own folder, named after him.
    if (state_.dataRoot.empty()) {
        const std::u8string name = state_.dataFolder.filename().u8string();
        return {state_.dataFolder, state_.dataFolder, std::string(name.begin(), name.end())};
    }
    return {userFolderOf(state_), state_.dataFolder, state_.userName};
}

BackupManifest Session::backupManifest() const {
    return {backupPlace().userName, backupTimeText(clock_.now()), TURNOPLANER_VERSION};
}

BackupWritten Session::writeBackup(const fs::path& archive) {
    return tp::writeBackup(store_, backupPlace(), archive, backupManifest());
}

BackupPreview Session::previewBackup(const fs::path& archive) {
    return tp::previewBackup(store_, archive);
}

RestoreDone Session::restoreBackup(const fs::path& archive, bool dryRun) {
    const BackupPlace place = backupPlace();
    std::error_code error;
    const fs::path undoFolder = fs::absolute(archive, error).parent_path();
    RestoreDone done = tp::restoreBackup(store_, archive, place, undoFolder, backupManifest(),
                                         clock_.now(), dryRun);
    if (dryRun || done.restoredFiles == 0)
        return done;
    if (state_.dataRoot.empty()) {
        loadUserData(Opening::Reading);
    } else {
        enterUser(state_.userName,
                  loadSettings(store_, place.settingsFolder, folderPathText(state_.dataRoot)));
        loadUserData();
        settingsAsSaved_ = settingsFileBytes(settings());
    }
    judgeNoteKey(false);
    return done;
}

fs::path Session::automaticBackupFolder() const {
    if (!state_.backupFolder.empty())
        return fs::path(std::u8string(state_.backupFolder.begin(), state_.backupFolder.end()));
    if (state_.dataRoot.empty())
        return {};
    return state_.dataRoot / kAutomaticBackupFolderName;
}

std::vector<ListedBackup> Session::listedBackups() {
    const fs::path folder = automaticBackupFolder();
    if (folder.empty())
        return {};
    return listBackups(store_, folder);
}

SessionReport Session::writeAutomaticBackup() {
    SessionReport report;
    const fs::path folder = automaticBackupFolder();
    if (!dataChanged() || !automaticBackupsOn() || folder.empty() || state_.dataFolder.empty())
        return report;
    const AutomaticBackup backup =
        tp::writeAutomaticBackup(store_, backupPlace(), folder, backupManifest(), clock_.now());
    if (!backup.ok())
        report.errors.push_back("Die automatische Sicherung konnte nicht geschrieben werden. " +
                                backup.problem);
    return report;
}

} // namespace tp
