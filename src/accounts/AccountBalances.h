#pragma once

#include "accounts/AccountFiles.h"
#include "markings/ShiftMarkings.h"
#include "model/ShiftSystem.h"

#include <cstdint>
#include <string>

namespace tp {

// Text colour of the hours field: dark red below -40 hours, dark green above 40.
enum class BalanceColour { Black, DarkRed, DarkGreen };

// As a colour value 0x00BBGGRR.
constexpr std::uint32_t colourValue(BalanceColour colour) {
    switch (colour) {
    case BalanceColour::DarkRed:
        return 0x0000A0;
    case BalanceColour::DarkGreen:
        return 0x00A000;
    case BalanceColour::Black:
        break;
    }
    return 0;
}

struct HoursStatus {
    std::string text; // 7 characters, or empty for the four-crew systems
    BalanceColour colour = BalanceColour::Black;
    friend bool operator==(const HoursStatus&, const HoursStatus&) = default;
};

// The hours field: the entered balance plus a shift for every extra work or course day on
// which the base crew is off, minus one for every time-off day on which it works, minus the
// block days when the account counts them. `today` decides the current year (its vacation
// block, and the vacation account's new-year rule).
HoursStatus computeHoursBalance(const ShiftSystem& system, const HoursAccount& hours,
                                const VacationAccount& vacation, const ShiftMarkingList& markings,
                                DayNumber today);

// The vacation field: the remaining days less every vacation day of the current year, from
// the start day on, on which the base crew works; 3 characters, or empty for the four-crew
// systems.
std::string computeVacationBalance(const ShiftSystem& system, const VacationAccount& vacation,
                                   int baseCrew, const ShiftMarkingList& markings, DayNumber today);

} // namespace tp
