#include "session/Session.h"

#include "markings/SharedMarkingFiles.h"
#include "model/BlockCrewOrder.h"
#include "model/Today.h"
#include "notes/NoteCipher.h"
#include "notes/NotePasswordCheck.h"
#include "notes/NotesOfDay.h"
#include "notes/NotesOverview.h"
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

std::string pathText(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

Session::Session(FileSystem& files, const Clock& clock) : store_(files), clock_(clock) {
    takeOverSettings(state_, ProgramSettings{}, crewTableYear());
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
    ProgramSettings settings;
    // An empty start folder would be resolved against a current folder that is gone.
    if (!startFolder.empty()) {
        // Folders that cannot be made keep their names, so that the failed save at the end
        // can say which file was not written.
        std::error_code error;
        const auto folders = prepareDataFolders(startFolder, kDefaultUserName);
        state_.dataRoot =
            folders ? folders->dataRoot : fs::absolute(startFolder / kDataRootName, error);
        if (!folders) {
            // The run goes on with the defaults and without data; the end says again what
            // could not be saved.
            report.errors.push_back("Der Datenordner \"" + pathText(state_.dataRoot) +
                                    "\" kann nicht angelegt werden. Was jetzt eingegeben wird, "
                                    "kann nicht gespeichert werden.");
            takeOverSettings(state_, settings, crewTableYear());
            return report;
        }
        const LoadedSettings loaded =
            loadSettings(store_, userFolderOf(state_.dataRoot, kDefaultUserName),
                         folderPathText(state_.dataRoot));
        settings = loaded.settings;
        lastUserName_ = settings.lastUserName;
        if (loaded.read == ReadResult::Unreadable)
            report.errors.push_back(kSettingsUnreadableMessage);
    }
    settings.userName = kDefaultUserName; // every run starts with this user's folder
    takeOverSettings(state_, settings, crewTableYear());
    report.add(checkDataFolder(settings));
    report.add(loadUserData());
    judgeNoteKey(false);
    return report;
}

SessionReport Session::openDataFolder(const fs::path& folder, const std::string& password) {
    state_.dataFolder = folder;
    state_.notePassword = password;
    SessionReport report = loadUserData(Opening::Reading);
    judgeNoteKey(false);
    return report;
}

bool Session::isUnreadable(const char* fileName) const {
    return store_.isUnreadable(state_.dataFolder / fileName);
}

SessionReport Session::checkDataFolder(ProgramSettings settings) {
    SessionReport report;
    state_.dataFolder.clear();
    if (state_.dataRoot.empty())
        return report;
    const ExternalFolderCheck check =
        checkExternalDataFolder(store_, state_.dataRoot, state_.userName, settings);
    state_.dataFolder = check.dataFolder;
    if (!check.missingFolderMessage.empty())
        report.errors.push_back(check.missingFolderMessage);
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
    if (const int blocker = working ? store_.files().writeBlocker(folder) : 0)
        report.errors.push_back("In den Datenordner \"" + pathText(folder) +
                                "\" kann nicht geschrieben werden (" + systemErrorText(blocker) +
                                "). Was jetzt eingegeben wird, kann nicht gespeichert werden.");
    state_.noteIndexes = names ? noteIndexesOf(std::move(*names)) : NoteIndexes{};

    state_.shiftMarkings = loadShiftMarkings(store_, folder);
    state_.shiftMarkingsAsLoaded = state_.shiftMarkings.entries();
    if (store_.isUnreadable(folder / kShiftMarkingFileName))
        report.errors.push_back(unreadableAtLoading(kShiftMarkingFileName));
    state_.calendarBars = loadCalendarBars(store_, folder);
    state_.calendarBarsAsLoaded = state_.calendarBars.bars();
    if (store_.isUnreadable(folder / kCalendarBarFileName))
        report.errors.push_back(unreadableAtLoading(kCalendarBarFileName));

    if (working) {
        SaveResult renewed;
        state_.vacationAccount = refreshVacationAccount(store_, folder, today(), renewed).account;
        if (!renewed.ok)
            report.errors.push_back(renewed.reason);
    } else {
        state_.vacationAccount = loadVacationAccount(store_, folder).account;
    }
    state_.hoursAccount = loadHoursAccount(store_, folder).account;
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
}

void Session::replaceCalendarBars(CalendarBarList bars) {
    bars.changed = bars.changed || state_.calendarBars.changed;
    state_.calendarBars = std::move(bars);
}

int Session::deleteUpTo(const BulkDeletionChoice& choice, SessionReport& report) {
    if (state_.dataFolder.empty())
        return 0;
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
    refreshAccounts();
    return report;
}

void Session::applySettings(const ProgramSettings& settings) {
    const fs::path dataFolder = state_.dataFolder;
    takeOverSettings(state_, settings, crewTableYear());
    state_.dataFolder = dataFolder;
}

SessionReport Session::storeSettings(const ProgramSettings& settings) {
    SessionReport report;
    if (const SaveResult saved = saveSettings(store_, userFolderOf(state_), settings); !saved.ok)
        report.errors.push_back(saved.reason);
    applySettings(settings);
    return report;
}

bool Session::logIn(const std::string& userName, const std::string& password,
                    SessionReport& report) {
    if (state_.dataRoot.empty())
        return false; // without a data root there is no folder to keep a user in
    ProgramSettings settings = settingsOf(state_);
    // The old user's data are saved as at the end of the program.
    const UserSwitch change = switchUser(store_, state_.dataRoot, userName, settings,
                                         [this, &report] { report.add(saveAll()); });
    if (change.outcome != UserSwitchOutcome::Switched) {
        std::string message = "Es wurde kein neuer Anwender angemeldet!";
        if (!change.refusalMessage.empty())
            message += "\n" + change.refusalMessage;
        report.errors.push_back(message);
        return false;
    }
    if (!change.missingFolderMessage.empty())
        report.errors.push_back(change.missingFolderMessage);
    state_.notePassword = password;
    const ViewPosition view = state_.view;
    takeOverSettings(state_, settings, crewTableYear());
    state_.view = view;
    state_.view.cursorColumn = std::min(state_.view.cursorColumn, state_.lastColumnIndex);
    state_.dataFolder = change.place.dataFolder;
    if (change.settingsRead == ReadResult::Unreadable)
        report.errors.push_back(kSettingsUnreadableMessage);
    report.add(loadUserData());
    report.add(judgeNoteKey(true));
    return true;
}

SessionReport Session::useMovedDataFolder(const DataFolderMove& move) {
    if (!move.moved)
        return {};
    state_.dataFolder = move.dataFolder;
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
    saveSettings(store_, userFolder, loaded.settings);
}

SessionReport Session::saveMarkingsAndBars() {
    SessionReport report;
    const fs::path& folder = state_.dataFolder;
    if (folder.empty())
        return report;
    const auto addOutcome = [&](const SharedSaveResult& result, const char* fileName) {
        if (!result.saved.ok)
            report.errors.push_back(result.saved.reason);
        else if (result.replacedEntries > 0)
            report.notices.push_back(replacedNotice(fileName, result.replacedEntries));
    };
    if (state_.shiftMarkings.changed)
        addOutcome(saveShiftMarkingsShared(store_, folder, state_.shiftMarkings,
                                           state_.shiftMarkingsAsLoaded),
                   kShiftMarkingFileName);
    if (state_.calendarBars.changed)
        addOutcome(saveCalendarBarsShared(store_, folder, state_.calendarBars,
                                          state_.calendarBarsAsLoaded),
                   kCalendarBarFileName);
    return report;
}

SessionReport Session::saveSettingsFile() {
    SessionReport report;
    if (state_.dataRoot.empty())
        return report;
    const fs::path userFolder = userFolderOf(state_);
    if (store_.isUnreadable(userFolder / kSettingsFileName))
        return report; // told when it was read
    if (const SaveResult saved = saveSettings(store_, userFolder, settingsOf(state_)); !saved.ok)
        report.errors.push_back(saved.reason);
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
    SessionReport report;
    if (state_.dataRoot.empty() || state_.userName == kDefaultUserName)
        return report; // the default user's own save has just cleared the name
    const fs::path programFolder = userFolderOf(state_.dataRoot, kDefaultUserName);
    LoadedSettings loaded = loadSettings(store_, programFolder, folderPathText(state_.dataRoot));
    if (loaded.read == ReadResult::Unreadable || loaded.settings.lastUserName == state_.userName)
        return report;
    loaded.settings.lastUserName = state_.userName;
    if (const SaveResult saved = saveSettings(store_, programFolder, loaded.settings); !saved.ok)
        report.errors.push_back(saved.reason);
    return report;
}

SessionState stateAfterStart(const ProgramSettings& settings, DayNumber today) {
    SessionState state;
    takeOverSettings(state, settings, civilFromDayNumber(today).year);
    showDayFirst(state.view, today);
    return state;
}

PageLook pageLookOf(const SessionState& state) {
    PageLook look;
    look.shifts = shiftSystemOf(state);
    look.view = state.view;
    look.lastColumnIndex = state.lastColumnIndex;
    look.switches = state.switches;
    look.targetHours38 = state.targetHours38;
    look.backgroundColour = state.pageBackground;
    look.units = state.units;
    return look;
}

} // namespace tp
