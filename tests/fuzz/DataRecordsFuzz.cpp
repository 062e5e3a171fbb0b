// Any bytes read as a marking, bar or hours file, as a stored note or as a user name: loading
// keeps only records the calendar can hold, what is kept survives a save and a load, the
// balances are computed without overflow, and a note read with any password and saved again
// under it gives back the stored digits.

#include "FuzzTarget.h"

#include "accounts/AccountBalances.h"
#include "accounts/AccountFiles.h"
#include "markings/CalendarBars.h"
#include "markings/ShiftMarkings.h"
#include "model/ShiftSystem.h"
#include "notes/NoteCipher.h"
#include "settings/UserLogin.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace {

void markingsAndBars(std::string_view bytes) {
    const tp::ShiftMarkingList markings = tp::shiftMarkingsFromFileBytes(bytes);
    for (const tp::ShiftMarking& marking : markings.entries())
        require(marking.day > 0 && tp::isCalendarDay(marking.day));
    const std::string saved = tp::shiftMarkingFileBytes(markings);
    require(tp::shiftMarkingsFromFileBytes(saved).entries() == markings.entries());

    const tp::CalendarBarList bars = tp::calendarBarsFromFileBytes(bytes);
    for (const tp::CalendarBar& bar : bars.bars())
        require(tp::isCalendarDay(bar.start) && tp::isCalendarDay(bar.end) && bar.start <= bar.end);
    require(tp::calendarBarsFromFileBytes(tp::calendarBarFileBytes(bars)).bars().size() ==
            bars.bars().size());
    for (const tp::CalendarBar& bar : bars.bars())
        tp::barShownForDay(bars, bar.start);

    const tp::HoursAccount hours = tp::hoursAccountFromFileBytes(bytes);
    const tp::VacationAccount vacation = tp::vacationAccountFromFileBytes(bytes);
    if (std::fabs(hours.hours) <= 100000.0f && tp::isCalendarDay(hours.startDay) &&
        tp::isCalendarDay(vacation.startDay)) {
        const tp::ShiftSystem system;
        const tp::DayNumber today = tp::dayNumberOf(2016, 6, 15);
        tp::computeHoursBalance(system, hours, vacation, markings, today);
    }
}

void noteAndName(std::string_view bytes) {
    const std::string_view password = bytes.substr(0, std::min<std::size_t>(bytes.size(), 8));
    const std::string_view stored = bytes.substr(password.size());
    const tp::NoteCipher cipher(password);
    const std::string text = cipher.decipherNote(stored);
    tp::shownNoteText(text);
    // Stored digits in whole groups come back unchanged when saved under the same password.
    if (cipher.hasPassword() && stored.size() % 3 == 0 &&
        stored.find_first_not_of("0123456789") == std::string_view::npos) {
        bool bytesOnly = true;
        for (std::size_t p = 0; p < stored.size(); p += 3)
            bytesOnly = bytesOnly && std::stoi(std::string(stored.substr(p, 3))) < 256;
        if (bytesOnly)
            require(cipher.encipherNote(text) == stored);
    }
    if (tp::isAllowedUserName(bytes))
        require(bytes.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    markingsAndBars(bytes);
    noteAndName(bytes);
    return 0;
}

std::vector<std::string> fuzzSeeds() {
    tp::ShiftMarkingList markings({{16801, 2, tp::Vacation}, {300, 4, tp::ExtraWork}});
    tp::CalendarBarList bars({{16800, 16810, tp::kDefaultBarColour}});
    return {
        tp::shiftMarkingFileBytes(markings),
        tp::calendarBarFileBytes(bars),
        tp::hoursAccountFileBytes({16801, 7.5f, true, 3, true}),
        std::string("geheim") + tp::NoteCipher("geheim").encipherNote("Oma\r\nGeschenke"),
        "p\xF1/..",
        "Anna Maier",
    };
}
