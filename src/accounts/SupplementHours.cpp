#include "accounts/SupplementHours.h"

#include "accounts/BerlinTime.h"
#include "holidays/Holidays.h"

#include <algorithm>
#include <optional>

namespace tp {

namespace {

constexpr int kMinutesPerDay = 1440;
constexpr int kNightEnd40 = 4 * 60;
constexpr int kNightEnd = 6 * 60;
constexpr int kHolidayEveStart = 14 * 60;
constexpr int kNightStart = 20 * 60;

// Within a day the classes change only at these local times.
constexpr std::array<int, 5> kClassBoundaries{0, kNightEnd40, kNightEnd, kHolidayEveStart,
                                              kNightStart};

// The day class of local time `minuteOfDay` on `day`, or nothing.
std::optional<SupplementClass> dayClassAt(DayNumber day, int minuteOfDay) {
    const CivilDate date = civilFromDayNumber(day);
    const int monthDay = date.month * 100 + date.day;
    const bool afternoon = minuteOfDay >= kHolidayEveStart;
    if (monthDay == 1225 || monthDay == 1226 || monthDay == 501 || (monthDay == 1224 && afternoon))
        return SupplementClass::Holiday150;
    if (isPublicHoliday(day) || (monthDay == 1231 && afternoon))
        return SupplementClass::Holiday125;
    if (weekdayOf(day) == Weekday::Sunday)
        return SupplementClass::Sunday50;
    return std::nullopt;
}

std::optional<SupplementClass> higher(std::optional<SupplementClass> a,
                                      std::optional<SupplementClass> b) {
    if (!a)
        return b;
    if (!b)
        return a;
    return std::max(*a, *b);
}

// Local times from the start of the work's first day at which its classes may change.
std::vector<int> cutPoints(const WorkInterval& work) {
    std::vector<int> cuts{work.startMinute};
    for (int dayStart = 0; dayStart < work.endMinute; dayStart += kMinutesPerDay)
        for (const int boundary : kClassBoundaries)
            if (dayStart + boundary > work.startMinute && dayStart + boundary < work.endMinute)
                cuts.push_back(dayStart + boundary);
    cuts.push_back(work.endMinute);
    std::sort(cuts.begin(), cuts.end());
    return cuts;
}

} // namespace

SupplementMinutes& SupplementMinutes::operator+=(const SupplementMinutes& other) {
    worked += other.worked;
    for (std::size_t i = 0; i < classes.size(); ++i)
        classes[i] += other.classes[i];
    return *this;
}

std::vector<WorkInterval> workIntervals(const CrewCalendarRequest& request) {
    CrewCalendarRequest shiftsOnly = request;
    shiftsOnly.bars = nullptr;
    std::vector<WorkInterval> intervals;
    for (CrewEvent& event : crewCalendarEvents(shiftsOnly)) {
        if (event.allDay)
            continue;
        intervals.push_back(
            {event.firstDay, event.startMinute, event.endMinute,
             berlinElapsedMinutes(event.firstDay, event.startMinute, event.endMinute),
             std::move(event.summary)});
    }
    return intervals;
}

SupplementMinutes classifyWork(const WorkInterval& work) {
    SupplementMinutes minutes;
    minutes.worked = work.elapsedMinutes;
    const std::vector<int> cuts = cutPoints(work);
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
        const int from = cuts[i];
        const DayNumber day = work.day + from / kMinutesPerDay;
        const int minuteOfDay = from % kMinutesPerDay;
        const int elapsed = berlinElapsedMinutes(work.day, from, cuts[i + 1]);
        const bool afterMidnight = day > work.day;
        const bool early = afterMidnight && minuteOfDay < kNightEnd40;
        if (early)
            minutes.classes[static_cast<std::size_t>(SupplementClass::Night40)] += elapsed;
        else if (minuteOfDay < kNightEnd || minuteOfDay >= kNightStart)
            minutes.classes[static_cast<std::size_t>(SupplementClass::Night25)] += elapsed;
        std::optional<SupplementClass> dayClass = dayClassAt(day, minuteOfDay);
        if (early)
            dayClass = higher(dayClass, dayClassAt(day - 1, kMinutesPerDay - 1));
        if (dayClass)
            minutes.classes[static_cast<std::size_t>(*dayClass)] += elapsed;
    }
    return minutes;
}

std::vector<StatementRow> supplementStatement(const CrewCalendarRequest& request,
                                              StatementPeriod period) {
    std::vector<StatementRow> rows;
    for (DayNumber first = request.from; first <= request.to;) {
        DayNumber last = first;
        if (period == StatementPeriod::Month) {
            const CivilDate date = civilFromDayNumber(first);
            last = std::min(request.to,
                            dayNumberOf(date.year, date.month, monthLength(date.year, date.month)));
        }
        rows.push_back({first, last, {}});
        first = last + 1;
    }
    std::size_t row = 0;
    for (const WorkInterval& work : workIntervals(request)) {
        while (row < rows.size() && rows[row].last < work.day)
            ++row;
        if (row == rows.size())
            break;
        rows[row].minutes += classifyWork(work);
    }
    return rows;
}

std::vector<SupplementDay> supplementDays(const CrewCalendarRequest& request) {
    std::vector<SupplementDay> days;
    for (WorkInterval& work : workIntervals(request)) {
        const SupplementMinutes minutes = classifyWork(work);
        days.push_back({work.day, std::move(work.shift), minutes});
    }
    return days;
}

std::string supplementDaysText(const std::vector<SupplementDay>& days,
                               std::optional<int> wageCents) {
    std::string text = supplementHeaderText("Datum\tSchicht", wageCents.has_value());
    SupplementMinutes sum;
    for (const SupplementDay& day : days) {
        const CivilDate date = civilFromDayNumber(day.day);
        text += std::to_string(date.day / 10) + std::to_string(date.day % 10) + '.' +
                std::to_string(date.month / 10) + std::to_string(date.month % 10) + '.' +
                std::to_string(date.year) + '\t' + day.shift + '\t';
        text += supplementColumnsText(day.minutes, wageCents);
        sum += day.minutes;
    }
    text += "Summe\t\t" + supplementColumnsText(sum, wageCents);
    return text;
}

std::string supplementHeaderText(std::string_view leading, bool withWage) {
    std::string text(leading);
    text += "\tArbeitsstunden";
    for (const std::string_view name : SupplementClassNames) {
        text += '\t';
        text += name;
    }
    text += withWage ? "\tsteuerfrei €\n" : "\n";
    return text;
}

std::string supplementColumnsText(const SupplementMinutes& minutes, std::optional<int> wageCents) {
    std::string text = hoursText(minutes.worked);
    for (const int classMinutes : minutes.classes) {
        text += '\t';
        text += hoursText(classMinutes);
    }
    if (wageCents) {
        text += '\t';
        text += centsText(taxFreeCents(minutes, *wageCents));
    }
    text += '\n';
    return text;
}

std::int64_t taxFreeCents(const SupplementMinutes& minutes, int wageCents) {
    const std::int64_t wage = std::clamp(wageCents, 0, kLargestTaxFreeWageCents);
    std::int64_t hundredthCentMinutes = 0; // minutes × percent × cents
    for (std::size_t i = 0; i < minutes.classes.size(); ++i)
        hundredthCentMinutes += std::int64_t{minutes.classes[i]} * SupplementPercents[i] * wage;
    constexpr std::int64_t divisor = 60 * 100;
    return (hundredthCentMinutes + divisor / 2) / divisor;
}

std::string hoursText(int minutes) {
    const std::int64_t hundredths = (std::int64_t{minutes} * 100 + 30) / 60;
    return centsText(hundredths);
}

std::string centsText(std::int64_t cents) {
    const std::int64_t fraction = cents % 100;
    std::string text = std::to_string(cents / 100);
    text += ',';
    text += static_cast<char>('0' + fraction / 10);
    text += static_cast<char>('0' + fraction % 10);
    return text;
}

} // namespace tp
