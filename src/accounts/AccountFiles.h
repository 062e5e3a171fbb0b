#pragma once

#include "model/DayNumber.h"
#include "platform/UserFileStore.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tp {

inline constexpr const char* kHoursAccountFileName = "Minusstunden.dat";
inline constexpr const char* kVacationAccountFileName = "Urlaubstage.dat";

inline constexpr float kHoursLimit = 600.0f;
inline constexpr int kVacationDaysLimit = 60;

// The balance the user entered for a start day, and how it is counted on.
struct HoursAccount {
    DayNumber startDay = 0;
    float hours = 0.0f;       // in minutes mode h.mm (7 h 30 min is 7.30), else decimal hours
    bool minutesMode = false; // "Std:Min" rather than "Std,dez"
    int baseCrew = 0;         // 0 "rot" .. 4 "braun": the crew whose plan is counted
    bool blockAsMinusHours = false;
    friend bool operator==(const HoursAccount&, const HoursAccount&) = default;
};

// The days of leave left on a start day within the current year.
struct VacationAccount {
    DayNumber startDay = 0;
    int remainingDays = 0;
    friend bool operator==(const VacationAccount&, const VacationAccount&) = default;
};

template <typename Account> struct LoadedAccount {
    DataFileStatus status = DataFileStatus::Missing;
    Account account; // all zero unless the file held a complete record
};

// "Minusstunden.dat": 11 bytes (start day, float hours, minutes mode, base crew, block flag).
// Of several records the last complete one counts. A file with a record whose hours are not a
// number or beyond ±100,000 h is loaded as one that could not be read.
std::string hoursAccountFileBytes(const HoursAccount& account);
HoursAccount hoursAccountFromFileBytes(std::string_view bytes);

// "Urlaubstage.dat": 8 bytes (start day, remaining days); the last complete record counts.
std::string vacationAccountFileBytes(const VacationAccount& account);
VacationAccount vacationAccountFromFileBytes(std::string_view bytes);

LoadedAccount<HoursAccount> loadHoursAccount(UserFileStore& store,
                                             const std::filesystem::path& folder);
LoadedAccount<VacationAccount> loadVacationAccount(UserFileStore& store,
                                                   const std::filesystem::path& folder);

// Neither file is hidden. The caller does not save over a file it could not read.
SaveResult saveHoursAccount(UserFileStore& store, const std::filesystem::path& folder,
                            const HoursAccount& account);
SaveResult saveVacationAccount(UserFileStore& store, const std::filesystem::path& folder,
                               const VacationAccount& account);

// Each field as the user left it where he changed it against `asLoaded`, else as the file
// holds it now: a window writes only the fields the user changed, and what another
// installation on a shared folder saved meanwhile in the others stays.
HoursAccount mergedHoursAccount(const HoursAccount& asLoaded, const HoursAccount& edited,
                                const HoursAccount& onDisk);
VacationAccount mergedVacationAccount(const VacationAccount& asLoaded,
                                      const VacationAccount& edited, const VacationAccount& onDisk);

// What a merged save of an account did: whether it was written, and each value that another
// installation had saved meanwhile in a field the user changed too, which his value replaced,
// as the window names it ("Stunden 12,50 (jetzt 10,00)"), in the order of the window's fields.
struct MergedAccountSave {
    SaveResult saved;
    std::vector<std::string> replacedValues;
};

// Read, merge (as above) and replace the file under the lock of the data folder. A file that
// could not be read, at opening the window or now, is left as it is.
MergedAccountSave saveHoursAccountMerged(UserFileStore& store, const std::filesystem::path& folder,
                                         const HoursAccount& asLoaded, const HoursAccount& edited);
MergedAccountSave saveVacationAccountMerged(UserFileStore& store,
                                            const std::filesystem::path& folder,
                                            const VacationAccount& asLoaded,
                                            const VacationAccount& edited);

// At the first use in a new year the account starts afresh: a start day before 1 January of
// today's year becomes that day, with no days left.
VacationAccount afterNewYearRule(const VacationAccount& account, DayNumber today);

// Reads "Urlaubstage.dat" for use: the new-year rule applied and, when it changed anything,
// written back at once (unless the file could not be read).
LoadedAccount<VacationAccount> refreshVacationAccount(UserFileStore& store,
                                                      const std::filesystem::path& folder,
                                                      DayNumber today, SaveResult& saved);

} // namespace tp
