#include "model/ShiftSystem.h"

#include "model/WorkingDate.h"

#include <algorithm>

namespace tp {

const BlockVacationTable& blockVacationTableOf(const BlockVacationTables& tables, int year) {
    if (year >= 1970 && year <= 2016)
        return tables[0];
    if (year >= 2017 && year <= 2027)
        return tables[1];
    return tables[2];
}

DayNumber computeBlockVacationStart(const ShiftSystem& system, int year) {
    const int firstCrew =
        blockVacationTableOf(system.blockVacationTables, year)[positiveMod(year, 5)][0];
    const int phase = CrewPhaseOffsets[static_cast<std::size_t>(firstCrew)];
    const DayNumber earliest =
        dayNumberOf(year, system.earliestVacationStart.month, system.earliestVacationStart.day);
    DayNumber start = earliest - positiveMod(earliest - 4, 7); // Monday on or before
    start = start - positiveMod(start + phase, 35) + 7;        // crew at position 7 of its cycle
    if (start < earliest)
        start += 35;
    return start;
}

namespace {

int patternColumnOf(CalendarType type) {
    switch (type) {
    case CalendarType::WendringPm1:
        return 1;
    case CalendarType::Pm1TwoNightBlock:
        return 4;
    default:
        return numberOf(type);
    }
}

} // namespace

int computeCrewShifts(const ShiftSystem& system, DayNumber day, bool withBlockVacation,
                      DayNumber blockVacationStart, CrewShifts& crews) {
    const CalendarType type = system.calendarType;
    if (isFourCrew(type))
        return -1;
    if (type == CalendarType::WendringTwoShift) {
        crews[0] = shiftPattern(positiveMod(day, 21), 2);
        crews[1] = shiftPattern(positiveMod(day + 14, 21), 2);
        crews[2] = shiftPattern(positiveMod(day + 7, 21), 2);
        return -1;
    }
    if (hasTransitionWindow(type) && isInTransitionWindow(day)) {
        const int column = numberOf(type); // the 28-day column; the next one holds 35 days
        crews[0] = shiftPattern(positiveMod(day + 10, 35), column + 1);
        crews[1] = shiftPattern(positiveMod(day + 10, 28), column);
        crews[2] = shiftPattern(positiveMod(day + 17, 28), column);
        crews[3] = shiftPattern(positiveMod(day + 24, 28), column);
        crews[4] = shiftPattern(positiveMod(day + 3, 28), column);
        return 0;
    }
    const int column = patternColumnOf(type);
    for (std::size_t crew = 0; crew < crews.size(); ++crew)
        crews[crew] = shiftPattern(positiveMod(day + CrewPhaseOffsets[crew], 35), column);
    if (withBlockVacation)
        applyBlockVacation(system, day, blockVacationStart, crews);
    return -1;
}

void applyBlockVacation(const ShiftSystem& system, DayNumber day, DayNumber blockVacationStart,
                        CrewShifts& crews) {
    if (day < blockVacationStart || day >= blockVacationStart + 140)
        return;
    const int block = (day - blockVacationStart) / 28;
    const int year = civilFromDayNumber(day).year;
    const auto vacationing = static_cast<std::size_t>(blockVacationTableOf(
        system.blockVacationTables, year)[positiveMod(year, 5)][static_cast<std::size_t>(block)]);
    const auto freeWeekCrew =
        static_cast<std::size_t>(std::find(crews.begin(), crews.end(), FreeWeek) - crews.begin());
    if (freeWeekCrew == crews.size())
        return;
    std::swap(crews[vacationing], crews[freeWeekCrew]);
    if (crews[freeWeekCrew] == FreeDay) {
        crews[vacationing] = VacationFreeDay;
    } else if (crews[freeWeekCrew] == crews[vacationing]) {
        const Weekday weekday = weekdayOf(day);
        crews[vacationing] = (weekday >= Weekday::Tuesday && weekday <= Weekday::Friday)
                                 ? FreeWeek
                                 : VacationFreeDay;
    }
}

int fourCrewShift(CalendarType type, DayNumber day, int crew) {
    static constexpr std::array<int, 4> valdorOffsets{3, 24, 17, 10};
    static constexpr std::array<int, 4> brellingOffsets{3, 10, 17, 24};
    const auto& offsets = type == CalendarType::ValdorHalmstett ? valdorOffsets : brellingOffsets;
    return shiftPattern(positiveMod(day + offsets[static_cast<std::size_t>(crew - 1)], 28),
                        numberOf(type));
}

CrewDuties crewDutiesOfDay(const ShiftSystem& system, DayNumber day, bool withBlockVacation) {
    CrewDuties duties;
    if (isFourCrew(system.calendarType)) {
        for (int crew = 1; crew <= 4; ++crew)
            duties.crews[static_cast<std::size_t>(crew - 1)] =
                fourCrewShift(system.calendarType, day, crew);
        return duties;
    }
    const bool block = withBlockVacation && hasVacationBlock(system.calendarType);
    const DayNumber blockStart =
        block ? computeBlockVacationStart(system, civilFromDayNumber(day).year) : 0;
    duties.crewOutside = computeCrewShifts(system, day, block, blockStart, duties.crews);
    return duties;
}

bool isShiftCancelled(DayNumber day, int shift) {
    const CivilDate date = civilFromDayNumber(day);
    switch (date.month * 100 + date.day) {
    case 101:
    case 501:
    case 1225:
    case 1226:
        if (shift > 0)
            return true;
        break;
    case 1224:
    case 1231:
        if (shift > 1)
            return true;
        break;
    case 430:
        if (shift > 2)
            return true;
        break;
    default:
        break;
    }
    const int easterOffset = day - firstDayOfYear(date.year) - easterDayOfYear(date.year);
    switch (easterOffset) {
    case 0:
    case 1:
    case 49:
    case 50:
        return shift > 0;
    case -1:
        return shift > 1;
    case 48:
        return shift > 2;
    default:
        return false;
    }
}

} // namespace tp
