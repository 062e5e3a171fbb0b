#include "accounts/AccountBalances.h"

#include "accounts/CrewDutyOfDay.h"
#include "accounts/HolidayLevel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

namespace tp {

namespace {

constexpr int kShiftHours = 8;
constexpr int kSundayShiftHours = 12;
constexpr int kColourThresholdHours = 40;

int shiftHoursOf(DayNumber day) {
    return weekdayOf(day) == Weekday::Sunday ? kSundayShiftHours : kShiftHours;
}

// The markings from `firstDay` on (the list is ascending by day).
auto markingsFrom(const ShiftMarkingList& markings, DayNumber firstDay) {
    const auto& entries = markings.entries();
    const auto first = std::lower_bound(
        entries.begin(), entries.end(), firstDay,
        [](const ShiftMarking& marking, DayNumber day) { return marking.day < day; });
    return std::span<const ShiftMarking>(first, entries.end());
}

// Whole hours the markings and the block add to the entered balance.
int hoursChange(const ShiftSystem& system, const HoursAccount& hours, DayNumber vacationStartDay,
                const ShiftMarkingList& markings, DayNumber today) {
    int change = 0;
    const auto baseCrewWorks = [&](DayNumber day) {
        return worksAShift(crewDutyOfDay(system, day, hours.baseCrew));
    };
    for (const ShiftMarking& marking : markingsFrom(markings, hours.startDay)) {
        if (marking.code == ExtraWork || marking.code == Course) {
            if (!baseCrewWorks(marking.day))
                change += shiftHoursOf(marking.day);
        } else if (marking.code == TimeOff) {
            if (marking.day > vacationStartDay && !isHolidayForLevel(marking.day, marking.column) &&
                baseCrewWorks(marking.day))
                change -= shiftHoursOf(marking.day);
        }
    }
    if (hours.blockAsMinusHours && hasVacationBlock(system.calendarType)) {
        const DayNumber blockStart =
            blockVacationStartOfYear(system, civilFromDayNumber(today).year);
        for (DayNumber day = std::max(blockStart, hours.startDay);
             day < blockStart + kBlockVacationDays; ++day) {
            if (crewDutyOfDay(system, day, hours.baseCrew) == FreeWeek &&
                !isHolidayForLevel(day, 1))
                change -= shiftHoursOf(day);
        }
    }
    return change;
}

// h.mm as whole minutes: 7.30 is 450, -7.30 is -450.
int minutesOfHoursAndMinutes(float value) {
    const double whole = std::trunc(static_cast<double>(value));
    const double fraction = static_cast<double>(value) - whole;
    return static_cast<int>(whole) * 60 + static_cast<int>(std::lround(fraction * 100.0));
}

std::string padded(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

BalanceColour colourOf(bool belowThreshold, bool aboveThreshold) {
    if (belowThreshold)
        return BalanceColour::DarkRed;
    if (aboveThreshold)
        return BalanceColour::DarkGreen;
    return BalanceColour::Black;
}

HoursStatus minutesStatus(int totalMinutes) {
    char text[32];
    const int magnitude = std::abs(totalMinutes);
    std::snprintf(text, sizeof text, "%s%d:%02d", totalMinutes < 0 ? "-" : "", magnitude / 60,
                  magnitude % 60);
    const int threshold = kColourThresholdHours * 60;
    return {padded(text, 7), colourOf(totalMinutes<-threshold, totalMinutes> threshold)};
}

HoursStatus decimalStatus(double balance) {
    if (std::fabs(balance) < 0.005)
        balance = 0.0; // no "-0,00"
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", balance);
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '.', ',');
    return {padded(shown, 7),
            colourOf(balance<-kColourThresholdHours, balance> kColourThresholdHours)};
}

} // namespace

HoursStatus computeHoursBalance(const ShiftSystem& system, const HoursAccount& hours,
                                const VacationAccount& vacation, const ShiftMarkingList& markings,
                                DayNumber today) {
    if (!hasAccounts(system.calendarType))
        return {};
    const DayNumber vacationStartDay = afterNewYearRule(vacation, today).startDay;
    const int change = hoursChange(system, hours, vacationStartDay, markings, today);
    if (hours.minutesMode)
        return minutesStatus(minutesOfHoursAndMinutes(hours.hours) + change * 60);
    return decimalStatus(static_cast<double>(hours.hours) + change);
}

std::string computeVacationBalance(const ShiftSystem& system, const VacationAccount& vacation,
                                   int baseCrew, const ShiftMarkingList& markings,
                                   DayNumber today) {
    if (!hasAccounts(system.calendarType))
        return {};
    const VacationAccount account = afterNewYearRule(vacation, today);
    const DayNumber nextNewYear = firstDayOfYear(civilFromDayNumber(today).year + 1);
    int vacationDays = 0;
    // The new-year rule keeps the start day within the current year or later.
    for (const ShiftMarking& marking : markingsFrom(markings, account.startDay)) {
        if (marking.day >= nextNewYear)
            break;
        if (marking.code == Vacation && !isHolidayForLevel(marking.day, marking.column) &&
            worksAShift(crewDutyOfDay(system, marking.day, baseCrew)))
            ++vacationDays;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%3d", account.remainingDays - vacationDays);
    return text;
}

} // namespace tp
