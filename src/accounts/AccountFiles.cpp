#include "accounts/AccountFiles.h"

#include "accounts/AccountEntryText.h"
#include "platform/LittleEndian.h"

#include <cmath>
#include <cstdio>
#include <optional>

namespace tp {

namespace {

constexpr std::size_t kHoursRecordSize = 11;
constexpr std::size_t kVacationRecordSize = 8;
// Records are read to the end of the file; anything this large is not one of ours.
constexpr std::uintmax_t kLargestAccountFile = 1u << 20;

// Offset of the last complete record, or nothing.
std::optional<std::size_t> lastRecordOffset(std::string_view bytes, std::size_t recordSize) {
    const std::size_t records = bytes.size() / recordSize;
    if (records == 0)
        return std::nullopt;
    return (records - 1) * recordSize;
}

// Far beyond any balance a person can have; a value outside it (or not a number) is damage.
constexpr float kLargestStoredHours = 100000.0f;

// Whether every complete record holds a balance the program could have written.
bool hoursRecordsAreSound(std::string_view bytes) {
    for (std::size_t offset = 0; offset + kHoursRecordSize <= bytes.size();
         offset += kHoursRecordSize) {
        const float hours = float32At(bytes, offset + 4);
        if (!std::isfinite(hours) || std::fabs(hours) > kLargestStoredHours)
            return false;
    }
    return true;
}

} // namespace

std::string hoursAccountFileBytes(const HoursAccount& account) {
    std::string bytes;
    appendInt32(bytes, account.startDay);
    appendFloat32(bytes, account.hours);
    bytes.push_back(account.minutesMode ? 1 : 0);
    bytes.push_back(static_cast<char>(account.baseCrew));
    bytes.push_back(account.blockAsMinusHours ? 1 : 0);
    return bytes;
}

HoursAccount hoursAccountFromFileBytes(std::string_view bytes) {
    const auto offset = lastRecordOffset(bytes, kHoursRecordSize);
    if (!offset)
        return {};
    HoursAccount account;
    account.startDay = int32At(bytes, *offset);
    const float hours = float32At(bytes, *offset + 4);
    account.hours = std::isfinite(hours) ? hours : 0.0f;
    account.minutesMode = bytes[*offset + 8] == 1;
    const int crew = static_cast<unsigned char>(bytes[*offset + 9]);
    account.baseCrew = crew < 5 ? crew : 0;
    account.blockAsMinusHours = bytes[*offset + 10] == 1;
    return account;
}

std::string vacationAccountFileBytes(const VacationAccount& account) {
    std::string bytes;
    appendInt32(bytes, account.startDay);
    appendInt32(bytes, account.remainingDays);
    return bytes;
}

VacationAccount vacationAccountFromFileBytes(std::string_view bytes) {
    const auto offset = lastRecordOffset(bytes, kVacationRecordSize);
    if (!offset)
        return {};
    return {int32At(bytes, *offset), int32At(bytes, *offset + 4)};
}

LoadedAccount<HoursAccount> loadHoursAccount(UserFileStore& store,
                                             const std::filesystem::path& folder) {
    const DataFileBytes file = store.read(folder / kHoursAccountFileName, kLargestAccountFile);
    // A damaged balance makes the file one that could not be read: told, and never replaced.
    if (file.status == DataFileStatus::Read && !hoursRecordsAreSound(file.bytes)) {
        store.markUnreadable(folder / kHoursAccountFileName);
        return {DataFileStatus::Unreadable, {}};
    }
    return {file.status, hoursAccountFromFileBytes(file.bytes)};
}

LoadedAccount<VacationAccount> loadVacationAccount(UserFileStore& store,
                                                   const std::filesystem::path& folder) {
    DataFileBytes file = store.read(folder / kVacationAccountFileName, kLargestAccountFile);
    LoadedAccount<VacationAccount> loaded{file.status, vacationAccountFromFileBytes(file.bytes)};
    // A broken record is skipped; the file is kept as read before the account is written anew.
    const int broken = file.bytes.size() % kVacationRecordSize != 0 ? 1 : 0;
    store.noteSkippedRecords(folder / kVacationAccountFileName, std::move(file.bytes), broken);
    return loaded;
}

SaveResult saveHoursAccount(UserFileStore& store, const std::filesystem::path& folder,
                            const HoursAccount& account) {
    return store.save(folder / kHoursAccountFileName, hoursAccountFileBytes(account), false);
}

SaveResult saveVacationAccount(UserFileStore& store, const std::filesystem::path& folder,
                               const VacationAccount& account) {
    return store.save(folder / kVacationAccountFileName, vacationAccountFileBytes(account), false);
}

namespace {

template <typename Field>
Field mergedField(const Field& asLoaded, const Field& edited, const Field& onDisk) {
    return edited == asLoaded ? onDisk : edited;
}

// Under the folder's lock: `writeMerged` gets the file's bytes as they are now.
template <typename WriteMerged>
MergedAccountSave saveMerged(UserFileStore& store, const std::filesystem::path& folder,
                             const char* fileName, WriteMerged writeMerged) {
    const std::filesystem::path file = folder / fileName;
    if (store.isUnreadable(file))
        return {refusedUnreadableFile(file), {}};
    const auto lock = store.lockFolder(folder);
    if (!lock)
        return {{false, lock.reason}, {}};
    const DataFileBytes now = store.read(file, kLargestAccountFile);
    if (now.status == DataFileStatus::Unreadable)
        return {refusedUnreadableFile(file), {}};
    return writeMerged(now.bytes);
}

// The values of the fields that both installations changed, each as "label value from there
// (jetzt value from here)".
template <typename Account> class ReplacedValues {
  public:
    ReplacedValues(const Account& asLoaded, const Account& edited, const Account& onDisk)
        : asLoaded_(asLoaded), edited_(edited), onDisk_(onDisk) {}

    template <typename Field, typename Shown>
    void add(Field Account::*field, std::string_view label, Shown shown) {
        const Field& here = edited_.*field;
        const Field& there = onDisk_.*field;
        if (here != asLoaded_.*field && there != asLoaded_.*field && here != there)
            values.push_back(std::string(label) + shown(onDisk_) + " (jetzt " + shown(edited_) +
                             ")");
    }

    std::vector<std::string> values;

  private:
    const Account& asLoaded_;
    const Account& edited_;
    const Account& onDisk_;
};

std::string dateText(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

std::vector<std::string> replacedHoursValues(const HoursAccount& asLoaded,
                                             const HoursAccount& edited,
                                             const HoursAccount& onDisk) {
    ReplacedValues replaced(asLoaded, edited, onDisk);
    replaced.add(&HoursAccount::startDay, "Stunden am ",
                 [](const HoursAccount& account) { return dateText(account.startDay); });
    replaced.add(&HoursAccount::hours, "Stunden ", [](const HoursAccount& account) {
        const std::string shown = hoursFieldText(account.hours, account.minutesMode);
        return shown.empty() ? std::string("0") : shown;
    });
    replaced.add(&HoursAccount::baseCrew, "Stammschicht ", [](const HoursAccount& account) {
        constexpr const char* kCrews[] = {"rot", "blau", "gelb", "grün", "braun"};
        return std::string(account.baseCrew >= 0 && account.baseCrew < 5 ? kCrews[account.baseCrew]
                                                                         : "?");
    });
    // The two switches cannot be replaced: changed on both, they were changed alike.
    return std::move(replaced.values);
}

std::vector<std::string> replacedVacationValues(const VacationAccount& asLoaded,
                                                const VacationAccount& edited,
                                                const VacationAccount& onDisk) {
    ReplacedValues replaced(asLoaded, edited, onDisk);
    replaced.add(&VacationAccount::startDay, "Resturlaub am ",
                 [](const VacationAccount& account) { return dateText(account.startDay); });
    replaced.add(&VacationAccount::remainingDays, "Tage ", [](const VacationAccount& account) {
        return std::to_string(account.remainingDays);
    });
    return std::move(replaced.values);
}

} // namespace

HoursAccount mergedHoursAccount(const HoursAccount& asLoaded, const HoursAccount& edited,
                                const HoursAccount& onDisk) {
    return {mergedField(asLoaded.startDay, edited.startDay, onDisk.startDay),
            mergedField(asLoaded.hours, edited.hours, onDisk.hours),
            mergedField(asLoaded.minutesMode, edited.minutesMode, onDisk.minutesMode),
            mergedField(asLoaded.baseCrew, edited.baseCrew, onDisk.baseCrew),
            mergedField(asLoaded.blockAsMinusHours, edited.blockAsMinusHours,
                        onDisk.blockAsMinusHours)};
}

VacationAccount mergedVacationAccount(const VacationAccount& asLoaded,
                                      const VacationAccount& edited,
                                      const VacationAccount& onDisk) {
    return {mergedField(asLoaded.startDay, edited.startDay, onDisk.startDay),
            mergedField(asLoaded.remainingDays, edited.remainingDays, onDisk.remainingDays)};
}

MergedAccountSave saveHoursAccountMerged(UserFileStore& store, const std::filesystem::path& folder,
                                         const HoursAccount& asLoaded, const HoursAccount& edited) {
    return saveMerged(store, folder, kHoursAccountFileName, [&](const std::string& bytesNow) {
        const HoursAccount onDisk = hoursAccountFromFileBytes(bytesNow);
        const SaveResult saved =
            saveHoursAccount(store, folder, mergedHoursAccount(asLoaded, edited, onDisk));
        return MergedAccountSave{saved, saved.ok ? replacedHoursValues(asLoaded, edited, onDisk)
                                                 : std::vector<std::string>{}};
    });
}

MergedAccountSave saveVacationAccountMerged(UserFileStore& store,
                                            const std::filesystem::path& folder,
                                            const VacationAccount& asLoaded,
                                            const VacationAccount& edited) {
    return saveMerged(store, folder, kVacationAccountFileName, [&](const std::string& bytesNow) {
        const VacationAccount onDisk = vacationAccountFromFileBytes(bytesNow);
        const SaveResult saved =
            saveVacationAccount(store, folder, mergedVacationAccount(asLoaded, edited, onDisk));
        return MergedAccountSave{saved, saved.ok ? replacedVacationValues(asLoaded, edited, onDisk)
                                                 : std::vector<std::string>{}};
    });
}

VacationAccount afterNewYearRule(const VacationAccount& account, DayNumber today) {
    const DayNumber newYear = firstDayOfYear(civilFromDayNumber(today).year);
    if (account.startDay >= newYear)
        return account;
    return {newYear, 0};
}

LoadedAccount<VacationAccount> refreshVacationAccount(UserFileStore& store,
                                                      const std::filesystem::path& folder,
                                                      DayNumber today, SaveResult& saved) {
    LoadedAccount<VacationAccount> loaded = loadVacationAccount(store, folder);
    saved = {};
    const VacationAccount renewed = afterNewYearRule(loaded.account, today);
    if (renewed == loaded.account)
        return loaded;
    loaded.account = renewed;
    saved = saveVacationAccount(store, folder, renewed);
    return loaded;
}

} // namespace tp
