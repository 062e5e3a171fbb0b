// Any bytes read as the hours account or the vacation account give an account that is written
// as one record and read back unchanged; a record as the program writes it is kept byte for
// byte, and of several records the last complete one counts.

#include "FuzzTarget.h"

#include "accounts/AccountFiles.h"
#include "platform/LittleEndian.h"

#include <cmath>
#include <string_view>

using namespace tp;

namespace {

constexpr std::size_t kHoursRecord = 11;
constexpr std::size_t kVacationRecord = 8;

std::string_view lastRecord(std::string_view bytes, std::size_t recordSize) {
    return bytes.substr((bytes.size() / recordSize - 1) * recordSize, recordSize);
}

// A record the hours window could have written: finite hours, flags 0 or 1, a crew of five.
bool isWrittenHoursRecord(std::string_view record) {
    const auto flag = [&](std::size_t at) { return record[at] == 0 || record[at] == 1; };
    return std::isfinite(float32At(record, 4)) && flag(8) &&
           static_cast<unsigned char>(record[9]) < 5 && flag(10);
}

void checkHoursAccount(std::string_view bytes) {
    const HoursAccount account = hoursAccountFromFileBytes(bytes);
    const std::string written = hoursAccountFileBytes(account);
    require(written.size() == kHoursRecord && hoursAccountFromFileBytes(written) == account);
    require(std::isfinite(account.hours) && account.baseCrew >= 0 && account.baseCrew < 5);
    if (bytes.size() < kHoursRecord) {
        require(account == HoursAccount{});
        return;
    }
    const std::string_view last = lastRecord(bytes, kHoursRecord);
    require(hoursAccountFromFileBytes(last) == account);
    if (isWrittenHoursRecord(last))
        require(written == last);
}

void checkVacationAccount(std::string_view bytes) {
    const VacationAccount account = vacationAccountFromFileBytes(bytes);
    const std::string written = vacationAccountFileBytes(account);
    require(written.size() == kVacationRecord && vacationAccountFromFileBytes(written) == account);
    if (bytes.size() < kVacationRecord)
        require(account == VacationAccount{});
    else
        require(written == lastRecord(bytes, kVacationRecord));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkHoursAccount(bytes);
    checkVacationAccount(bytes);
    return 0;
}

std::vector<std::string> fuzzSeeds() {
    const DayNumber start = dayNumberOf(2016, 12, 24);
    return {hoursAccountFileBytes({start, -12.5f, false, 2, true}),
            hoursAccountFileBytes({start, 7.30f, true, 4, false}) +
                hoursAccountFileBytes({start + 1, 599.99f, false, 0, false}),
            vacationAccountFileBytes({start, 25}),
            vacationAccountFileBytes({start, 25}) + vacationAccountFileBytes({start + 9, -3})};
}
