#include "accounts/AccountFiles.h"

#include "platform/LittleEndian.h"

#include <cmath>
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

LoadedAccount<HoursAccount> loadHoursAccount(const std::filesystem::path& folder) {
    const DataFileBytes file = readDataFile(folder / kHoursAccountFileName, kLargestAccountFile);
    // A damaged balance makes the file one that could not be read: told, and never replaced.
    if (!hoursRecordsAreSound(file.bytes))
        return {DataFileStatus::Unreadable, {}};
    return {file.status, hoursAccountFromFileBytes(file.bytes)};
}

LoadedAccount<VacationAccount> loadVacationAccount(const std::filesystem::path& folder) {
    const DataFileBytes file = readDataFile(folder / kVacationAccountFileName, kLargestAccountFile);
    return {file.status, vacationAccountFromFileBytes(file.bytes)};
}

SaveResult saveHoursAccount(const std::filesystem::path& folder, const HoursAccount& account) {
    return saveDataFile(folder / kHoursAccountFileName, hoursAccountFileBytes(account), false);
}

SaveResult saveVacationAccount(const std::filesystem::path& folder,
                               const VacationAccount& account) {
    return saveDataFile(folder / kVacationAccountFileName, vacationAccountFileBytes(account),
                        false);
}

VacationAccount afterNewYearRule(const VacationAccount& account, DayNumber today) {
    const DayNumber newYear = firstDayOfYear(civilFromDayNumber(today).year);
    if (account.startDay >= newYear)
        return account;
    return {newYear, 0};
}

LoadedAccount<VacationAccount> refreshVacationAccount(const std::filesystem::path& folder,
                                                      DayNumber today, SaveResult& saved) {
    LoadedAccount<VacationAccount> loaded = loadVacationAccount(folder);
    saved = {};
    const VacationAccount renewed = afterNewYearRule(loaded.account, today);
    if (renewed == loaded.account)
        return loaded;
    loaded.account = renewed;
    if (loaded.status == DataFileStatus::Unreadable)
        saved = refusedUnreadableFile(folder / kVacationAccountFileName);
    else
        saved = saveVacationAccount(folder, renewed);
    return loaded;
}

} // namespace tp
