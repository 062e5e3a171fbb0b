#include "cli/DaysReport.h"

#include "cli/CommandLine.h"
#include "holidays/Holidays.h"
#include "holidays/SchoolHolidays.h"
#include "model/WorkingDate.h"
#include "notes/DayInfoLine.h"

namespace tp::cli {

namespace {

std::string joinCodes(const int* codes, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(codes[i]);
    }
    return text;
}

} // namespace

std::string daysReportRow(const ShiftSystem& system, DayNumber day) {
    const WorkingDate date = workingDateOf(day);
    const CrewDuties duties = crewDutiesOfDay(system, day, true);
    const std::string crews = joinCodes(duties.crews.data(), crewCount(system.calendarType));
    const int outside = duties.crewOutside;
    std::string cancelled;
    for (int shift = 1; shift <= 3; ++shift)
        cancelled += isShiftCancelled(day, shift) ? '1' : '0';

    std::string row = isoDateText(day);
    row += '\t' + std::to_string(day);
    row += '\t';
    row += weekdayName(weekdayOf(day));
    row += '\t' + std::to_string(isoWeekNumber(date));
    row += '\t' + isoDateText(easterSunday(date.year));
    row += '\t';
    row += publicHolidayName(day);
    row += '\t';
    row += holidayNameOfDay(day);
    row += isSchoolHoliday(date.year, date.month, date.day) ? "\t1" : "\t0";
    row += '\t' + crews;
    row += '\t' + std::to_string(outside);
    row += '\t' + cancelled;
    row += '\t' + dayInfoLine(day);
    return row;
}

void writeDaysReport(std::ostream& out, const ShiftSystem& system, DayNumber from, DayNumber to) {
    out << kDaysReportHeader << '\n';
    for (DayNumber day = from; day <= to; ++day)
        out << daysReportRow(system, day) << '\n';
}

} // namespace tp::cli
