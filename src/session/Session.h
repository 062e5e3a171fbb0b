#pragma once

#include "backup/AutomaticBackups.h"
#include "backup/Backup.h"
#include "display/PageLook.h"
#include "notes/BulkDeletion.h"
#include "notes/UserNotes.h"
#include "platform/Clock.h"
#include "platform/SessionReport.h"
#include "platform/UserFileStore.h"
#include "session/SessionState.h"
#include "session/UnsavedEntries.h"
#include "settings/DataFolderMove.h"
#include "settings/SettingsFile.h"

#include <filesystem>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace tp {

// An account as a window opens it: the file's values, or why the window must not open.
template <typename Account> struct AccountForEntry {
    std::optional<Account> account; // nothing when the file could not be read
    std::string problem;            // German; set when the account is missing
};

// What the vacation window shows and stores: the days and the base crew, which lives in the
// hours file.
struct VacationEntry {
    VacationAccount vacation;
    int baseCrew = 0;
    friend bool operator==(const VacationEntry&, const VacationEntry&) = default;
};

// One run of the program, or of a report: the running state of the logged-in user and the
// operations that change it. Every user file is read and written through its one store, so
// that a file that could not be read is never replaced, shared files are merged under the
// data folder's lock, and a failed write is told. Holds no window: the main window turns keys
// and clicks into these operations and draws what they answer.
class Session final : public UserNotes {
  public:
    Session(FileSystem& files, const Clock& clock);

    // The disk under the user's files, for the windows that move or check whole folders.
    FileSystem& files() { return store_.files(); }

    const SessionState& state() const { return state_; }

    DayNumber today() const;
    // The year whose crew order of the vacation block the settings' cycle rotates.
    int crewTableYear() const;
    ShiftSystem shiftSystem() const { return shiftSystemOf(state_); }
    PageLook pageLook() const;

    // Creates the data root "TPDaten" and the default user's folder in `startFolder`, reads
    // that user's settings, checks his data folder, removes what interrupted saves left there
    // and loads his notes, markings, bars and accounts. Without a start folder (or folders that
    // cannot be made) the program runs on the defaults without data.
    SessionReport start(const std::filesystem::path& startFolder);
    // Works on the data of `folder` with the note key `password`, without data root and login:
    // a user's data folder as the reports name it. The opening changes nothing there (no
    // leftovers of interrupted saves removed, no vacation account renewed).
    SessionReport openDataFolder(const std::filesystem::path& folder, const std::string& password);
    // Whether the data file `fileName` is there but could not be read at the last loading.
    bool isUnreadable(const char* fileName) const;
    // The note files that were there but could not be read when last read, by name.
    std::vector<std::string> unreadableNotes() const;
    // Whether the note folder could be listed at the last loading.
    bool notesListed() const { return notesListed_; }
    // The user who last left the program, if another than the default user.
    const std::string& lastUserName() const { return lastUserName_; }

    // The page.
    void setView(const ViewPosition& view) { state_.view = view; }
    void moveViewByDays(int days);
    void setUnits(LayoutUnits units) { state_.units = units; }
    void setFont(const FontChoice& font) { state_.font = font; }
    // Changes the number of columns; the cursor stays on the page.
    void setLastColumnIndex(int lastColumnIndex);
    void setPageBackground(int colour) { state_.pageBackground = colour; }
    void setCalendarType(CalendarType type) { state_.calendarType = type; }
    void setVacationBlockShown(bool shown) { state_.switches.vacationBlock = shown; }
    // In memory only: the stored order comes back with the next loading of the settings.
    void rotateVacationCycleOfShownYear();
    void setEarliestVacationStart(MonthDay start) { state_.vacation.earliestStart = start; }
    void setPlaceName(std::string name) { state_.placeName = std::move(name); }
    void setAccountTargets(const AccountTargets& targets) { state_.accounts = targets; }

    // Markings and bars: kept in memory, written a few seconds after the last change (by the
    // main window), at a login, a move and the end of the run.
    void storeShiftMarking(DayNumber day, int column, int code);
    // The bars as the bar window left them.
    void replaceCalendarBars(CalendarBarList bars);
    // The bulk deletion: a backup is written into the automatic backup folder first, and
    // nothing is deleted when that fails; then notes go at once, markings and bars are saved
    // (merged) at once. Returns the number of notes that could not be deleted.
    int deleteUpTo(const BulkDeletionChoice& choice, SessionReport& report);
    // How often the markings or bars were changed in this run.
    int markingEdits() const { return markingEdits_; }

    // The notes, with the note key of the login. When the key does not fit the notes (their
    // check value refuses it, or without one a note deciphers as no typed text does), the
    // notes concerned are only read: nothing enciphered under it is written.
    const NoteIndexes& noteIndexes() const override { return state_.noteIndexes; }
    StoredNote note(const std::string& fileName) override;
    std::optional<std::string> whyNoteIsReadOnly(const std::string& fileName) const override;
    std::optional<std::string> whyNoteIsKept(const std::string& fileName) const override;
    NoteSaving saveNote(NoteKind kind, const std::string& fileName, const std::string& text,
                        const std::optional<std::string>& asOpened) override;
    // Every note that applies to `day`, as the notes window shows them; empty when none.
    std::string notesOfDay(DayNumber day);
    // The note line of the status panel for `day`.
    std::string noteStatusLine(DayNumber day);
    // The notes of `days` under their dates, today's place marked; empty when none.
    std::string notesOverview(std::span<const DayNumber> days);

    // The accounts: read anew for each window; a save writes only the fields the user changed.
    void refreshAccounts();
    AccountForEntry<HoursAccount> hoursForEntry();
    AccountForEntry<VacationEntry> vacationForEntry(SessionReport& report);
    SessionReport saveHoursEntry(const HoursAccount& asOpened, const HoursAccount& entered);
    SessionReport saveVacationEntry(const VacationEntry& asOpened, const VacationEntry& entered);

    // The settings: the running values, as the settings file is written from them.
    const ProgramSettings& settings() const { return state_; }
    // `settings` become the running values; the crew order of the vacation block is rotated
    // anew by their cycle.
    void applySettings(const ProgramSettings& settings);
    // The settings dialog's "Speichern": `settings` are applied and written into the user's
    // settings file.
    SessionReport storeSettings(const ProgramSettings& settings);
    // The choices of the calendar sync window, kept at once in the user's settings file.
    SessionReport storeCalendarSync(const CalendarSyncChoices& choices);

    // Logs in as `userName` with the note key `password`: the present user's data are saved,
    // the new user's folder made when new, his settings read and his data loaded, and the
    // password checked against his notes (the report says when it does not fit them). False
    // (with the reason) when the old user stays logged in.
    bool logIn(const std::string& userName, const std::string& password, SessionReport& report);

    // The data were moved into `move.dataFolder`: the user's data are loaded from there, and
    // "Anwenderverzeichnis" follows from it.
    SessionReport useMovedDataFolder(const DataFolderMove& move);

    // Writes the markings and bars that changed, each merged with what another installation
    // wrote into the shared file meanwhile.
    SessionReport saveMarkingsAndBars();
    // Everything the end of the program writes: markings, bars and the settings. A failure
    // is reported every time, so that the user may retry.
    SessionReport saveAll();
    // The end that nobody may be there to answer (the desktop session ends): saves as
    // saveAll, and keeps what could not be saved in a new file in `keepFolder` for a later
    // start. The line that tells a failure on the standard error output; empty when all was
    // saved.
    std::string saveAllOrKeep(const std::filesystem::path& keepFolder);
    // What saveAll has not written: the markings and bars that are still changed, and the
    // settings where they differ from the file as last read or written.
    UnsavedEntries unsavedEntries() const;

    // The entries that earlier ends kept in `keepFolder`, oldest first, each with the question
    // that offers them, or why its file cannot be read.
    struct KeptEntries {
        std::filesystem::path file;
        std::string question;
        std::string problem; // German; set when there is nothing to offer
    };
    std::vector<KeptEntries> keptEntries(const std::filesystem::path& keepFolder);
    // Takes over the entries kept in `file`, each merged with its file as it is now, as a save
    // of this run would be. The file goes once all are written; otherwise it keeps what could
    // not be written, for the next start.
    SessionReport takeOverKeptEntries(const std::filesystem::path& file);

    // Backups. Where the user's files are: his settings folder (the data folder itself when
    // a report opened a data folder without data root) and his data folder.
    BackupPlace backupPlace() const;
    // What a backup made now says about itself.
    BackupManifest backupManifest() const;
    // Writes a backup of the user's files as they are on the disk into `archive`.
    BackupWritten writeBackup(const std::filesystem::path& archive);
    // The archive checked, with its user, time and counts, for the question before a restore.
    BackupPreview previewBackup(const std::filesystem::path& archive);
    // Restores `archive` over the user's files; what was there is backed up beside the archive
    // first. After a restore the user's settings and data are loaded anew from the files.
    RestoreDone restoreBackup(const std::filesystem::path& archive, bool dryRun);
    // The folder of the automatic backups and of the backup before a bulk deletion: the one
    // the settings name, or "Sicherungen" in the data root; empty without data root.
    std::filesystem::path automaticBackupFolder() const;
    // The backups in that folder, newest first.
    std::vector<ListedBackup> listedBackups();
    // Whether the end of the run writes the automatic backup (unless the user turned it off).
    bool automaticBackupsOn() const { return state_.automaticBackups.value_or(true); }
    // Whether notes, markings, bars or accounts were changed in this run.
    bool dataChanged() const { return dataEdits_ > 0; }
    // The end of the run: when data changed, today's backup unless written already, the
    // oldest automatic backups beyond 14 removed. A failure comes back to be told once; it
    // never keeps the program from ending.
    SessionReport writeAutomaticBackup();

  private:
    // How a data folder is opened: to work on it, or as a report reads it.
    enum class Opening { Working, Reading };
    SessionReport loadUserData(Opening opening = Opening::Working);
    // Makes the settings read from the folder of `userName` the running ones and follows them
    // to his data folder.
    SessionReport enterUser(const std::string& userName, LoadedSettings loaded);
    SessionReport checkDataFolder(ProgramSettings settings);
    SessionReport writeSettings(const std::filesystem::path& userFolder,
                                const ProgramSettings& settings);
    SessionReport saveSettingsFile();

    SessionReport rememberLastUser();

    SessionReport saveNoteUnderLock(NoteKind kind, const std::string& fileName,
                                    const std::string& text,
                                    const std::optional<std::string>& asOpened,
                                    std::optional<std::string>& changedMeanwhile);

    // How far the note key is known to fit the user's notes.
    enum class NoteKeyFit {
        Fits,       // the check value confirms it
        DoesNotFit, // the check value refuses it: every note is only read
        Unchecked,  // no check value yet: each note is judged by how it deciphers
    };
    // Judges the note key by the check value or, at a login without one, by some of the notes;
    // at a login the check value is made when they all read as typed text.
    SessionReport judgeNoteKey(bool atLogin);
    // Without a check value, a note that deciphers as no typed text does is only read.
    void judgeDecipherment(const std::string& fileName, const StoredNote& windows1252Note);
    // Makes the check value of the note key and keeps it in the user's settings.
    void rememberNoteKey();

    UserFileStore store_;
    const Clock& clock_;
    SessionState state_;
    std::string lastUserName_; // as the start found it
    bool notesListed_ = false;
    int markingEdits_ = 0;
    int dataEdits_ = 0; // changes of notes, markings, bars and accounts in this run
    // The user's settings file as last read or written: what the end need not keep.
    std::string settingsAsSaved_;
    NoteKeyFit noteKeyFit_ = NoteKeyFit::Unchecked;
    // Unchecked, some notes deciphered as no typed text: a note written now makes no check
    // value, which might be one of a mistyped password.
    bool noteKeyDoubted_ = false;
    std::set<std::string> implausibleNotes_; // only read while unchecked
};

// The program's state right after a start with `settings` and without data, `today` being the
// date: the page a report draws.
SessionState stateAfterStart(const ProgramSettings& settings, DayNumber today);

// What a page drawing reads of `state`.
PageLook pageLookOf(const SessionState& state);

inline constexpr const char* kNotePasswordMismatchMessage =
    "Das Passwort passt nicht zu den gespeicherten Notizen.";

inline constexpr const char* kSettingsUnreadableMessage =
    "Die Einstellungen konnten nicht gelesen werden und werden nicht gespeichert.";

} // namespace tp
