#include "accounts/CrewEvents.h"

#include "markings/MarkingCodes.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tp {

namespace {

constexpr std::array<std::string_view, kCrewCount> CrewNames{"Rot", "Blau", "Gelb", "Grün",
                                                             "Braun"};
constexpr std::array<std::string_view, kCrewCount> CrewKeys{"rot", "blau", "gelb", "gruen",
                                                            "braun"};
constexpr std::array<std::string_view, 4> ShiftSummaries{"", "Frühschicht", "Spätschicht",
                                                         "Nachtschicht"};

// The times the shift plan sheet's legend states: 6, 14 and 22 o'clock; on a day without a late
// shift the early and the night crew share the day at 18 o'clock; the two-shift system works
// 8.5 hours a shift.
ShiftTimes shiftTimes(CalendarType type, int shift, bool dayHasLateShift) {
    if (type == CalendarType::WendringTwoShift)
        return shift == EarlyShift ? ShiftTimes{360, 870} : ShiftTimes{870, 1380};
    if (!dayHasLateShift)
        return shift == EarlyShift ? ShiftTimes{360, 1080} : ShiftTimes{1080, 1800};
    switch (shift) {
    case EarlyShift:
        return {360, 840};
    case LateShift:
        return {840, 1320};
    default:
        return {1320, 1800};
    }
}

bool hasLateShift(const CrewDuties& duties, CalendarType type) {
    const int count = crewCount(type);
    return std::find(duties.crews.begin(), duties.crews.begin() + count, LateShift) !=
           duties.crews.begin() + count;
}

std::string dateKey(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    return std::to_string(date.year * 10000 + date.month * 100 + date.day);
}

class CrewEventBuilder {
  public:
    explicit CrewEventBuilder(const CrewCalendarRequest& request)
        : request_(request), type_(request.system.calendarType),
          crewKey_(isFourCrew(type_)
                       ? std::string(1, static_cast<char>('a' + request.crew))
                       : std::string(CrewKeys[static_cast<std::size_t>(request.crew)])) {}

    std::vector<CrewEvent> build() {
        events_.reserve(static_cast<std::size_t>(request_.to - request_.from + 1));
        for (DayNumber day = request_.from; day <= request_.to; ++day)
            addDay(day);
        addBlockVacations();
        addBars();
        std::stable_sort(
            events_.begin(), events_.end(),
            [](const CrewEvent& a, const CrewEvent& b) { return a.firstDay < b.firstDay; });
        return std::move(events_);
    }

  private:
    std::string uid(DayNumber day, std::string_view kind) const {
        std::string text = dateKey(day);
        text += '-';
        text += kind;
        text += '-';
        text += crewKey_;
        text += "@turnoplaner";
        return text;
    }

    void addTimed(DayNumber day, std::string_view summary, ShiftTimes times) {
        events_.push_back(
            {uid(day, "dienst"), std::string(summary), day, day, false, times.start, times.end});
    }

    void addAllDay(DayNumber day, std::string_view summary) {
        events_.push_back({uid(day, "dienst"), std::string(summary), day, day, true, 0, 0});
    }

    void addDay(DayNumber day) {
        const CrewDuties duties = crewDutiesOfDay(request_.system, day, true);
        const bool dayHasLateShift = hasLateShift(duties, type_);
        const int duty = duties.crews[static_cast<std::size_t>(request_.crew)];
        const bool works = (duty == EarlyShift || duty == LateShift || duty == NightShift) &&
                           !isShiftCancelled(day, duty);
        const ShiftMarking* marking =
            request_.markings ? request_.markings->markingOf(day) : nullptr;
        if (marking && applyMarking(day, *marking, works, dayHasLateShift))
            return;
        if (works)
            addTimed(day, ShiftSummaries[static_cast<std::size_t>(duty)],
                     shiftTimes(type_, duty, dayHasLateShift));
    }

    // Puts the marking's event in place of the plan; false for a marking that leaves the plan
    // as it is (extra work on a working day, a code the type does not know).
    bool applyMarking(DayNumber day, const ShiftMarking& marking, bool works,
                      bool dayHasLateShift) {
        const int code = marking.code;
        if (isFourCrew(type_)) {
            if (code >= 0 && code <= 2) {
                const int shift = EarlyShift + code;
                addTimed(day, ShiftSummaries[static_cast<std::size_t>(shift)],
                         shiftTimes(type_, shift, dayHasLateShift));
                return true;
            }
            if (code >= 3 && code <= 7) {
                addAllDay(day, FourCrewMarkingOptions[static_cast<std::size_t>(code)]);
                return true;
            }
            return false;
        }
        if (code >= TimeOff && code <= PaidAbsence) {
            addAllDay(day, FiveCrewMarkingOptions[static_cast<std::size_t>(code)]);
            return true;
        }
        if (code != ExtraWork || works)
            return false;
        // Extra work on a day off, at the times of the shift whose column is marked; the
        // column "Verfügung" names no shift.
        const int shift = marking.column - 1;
        if (shift >= EarlyShift && shift <= NightShift)
            addTimed(day, "Arbeitseinsatz", shiftTimes(type_, shift, dayHasLateShift));
        else
            addAllDay(day, "Arbeitseinsatz");
        return true;
    }

    // The 28 days of each year's 140-day block on which the crew is on vacation.
    void addBlockVacations() {
        if (!hasVacationBlock(type_))
            return;
        const int firstYear = civilFromDayNumber(request_.from).year;
        const int lastYear = civilFromDayNumber(request_.to).year;
        for (int year = firstYear; year <= lastYear; ++year) {
            const DayNumber start = computeBlockVacationStart(request_.system, year);
            const auto& order =
                blockVacationTableOf(request_.system.blockVacationTables,
                                     year)[static_cast<std::size_t>(positiveMod(year, 5))];
            for (int block = 0; block < 5; ++block) {
                if (order[static_cast<std::size_t>(block)] != request_.crew)
                    continue;
                const DayNumber first = start + 28 * block;
                const DayNumber last = first + 27;
                if (last < request_.from || first > request_.to)
                    continue;
                events_.push_back({uid(first, "blockurlaub"), "Blockurlaub",
                                   std::max(first, request_.from), std::min(last, request_.to),
                                   true, 0, 0});
            }
        }
    }

    void addBars() {
        if (!request_.bars)
            return;
        DayNumber previousStart = -1;
        int sameStart = 0;
        for (const CalendarBar& bar : request_.bars->bars()) {
            // Bars are ordered by start; a second bar starting on the same day gets its own UID.
            sameStart = bar.start == previousStart ? sameStart + 1 : 0;
            previousStart = bar.start;
            if (bar.end < request_.from || bar.start > request_.to || bar.end < bar.start)
                continue;
            std::string kind = "kalendermarkierung";
            if (sameStart > 0)
                kind += std::to_string(sameStart + 1);
            events_.push_back({uid(bar.start, kind), "Kalendermarkierung",
                               std::max(bar.start, request_.from), std::min(bar.end, request_.to),
                               true, 0, 0});
        }
    }

    const CrewCalendarRequest& request_;
    CalendarType type_;
    std::string crewKey_;
    std::vector<CrewEvent> events_;
};

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

} // namespace

std::vector<CrewEvent> crewCalendarEvents(const CrewCalendarRequest& request) {
    if (request.from > request.to || request.crew < 0 ||
        request.crew >= crewCount(request.system.calendarType))
        return {};
    return CrewEventBuilder(request).build();
}

std::optional<int> crewOfName(std::string_view name, CalendarType type) {
    std::string lower = lowerAscii(name);
    // "Grün" in any case: the umlaut is two bytes in UTF-8, Ü (C3 9C) or ü (C3 BC).
    if (lower == "gr\xc3\x9cn")
        lower = "gr\xc3\xbcn";
    if (isFourCrew(type)) {
        if (lower.size() == 1 && lower[0] >= 'a' && lower[0] <= 'd')
            return lower[0] - 'a';
        return std::nullopt;
    }
    for (int crew = 0; crew < crewCount(type); ++crew) {
        const auto index = static_cast<std::size_t>(crew);
        if (lower == CrewKeys[index] || lower == lowerAscii(CrewNames[index]))
            return crew;
    }
    return std::nullopt;
}

std::string crewDisplayName(int crew, CalendarType type) {
    if (isFourCrew(type))
        return std::string("Schicht ") + static_cast<char>('A' + crew);
    return std::string(CrewNames[static_cast<std::size_t>(crew)]);
}

ShiftTimes shiftTimesOfDay(const ShiftSystem& system, DayNumber day, int shift) {
    const CrewDuties duties = crewDutiesOfDay(system, day, true);
    return shiftTimes(system.calendarType, shift, hasLateShift(duties, system.calendarType));
}

std::string_view shiftName(int shift) {
    if (shift < EarlyShift || shift > NightShift)
        return {};
    return ShiftSummaries[static_cast<std::size_t>(shift)];
}

} // namespace tp
