#include "accounts/YearlyHoursTable.h"

#include "accounts/CrewDutyOfDay.h"
#include "accounts/YearlyCrewHours.h"

#include <algorithm>
#include <cstdio>

namespace tp {

namespace {

std::string withDecimals(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string shown = text;
    std::replace(shown.begin(), shown.end(), '.', ',');
    return shown;
}

std::string differenceText(double difference, int decimals) {
    return (difference > 0 ? "+" : "") + withDecimals(difference, decimals);
}

// Fills the rows from per-crew month values and totals (`hours[crew][0..12]`).
template <typename Hours>
void fillRows(YearlyHoursTable& table, const Hours& hours, std::size_t crews, float target,
              int valueDecimals, int targetDecimals) {
    for (std::size_t month = 0; month <= kYearTotalColumn; ++month) {
        YearlyHoursRow row{
            month < 12 ? std::string(monthName(static_cast<int>(month) + 1)) : "Summe", {}};
        for (std::size_t crew = 0; crew < crews; ++crew)
            row.cells.push_back(withDecimals(hours[crew][month], valueDecimals));
        table.rows.push_back(std::move(row));
    }
    YearlyHoursRow targetRow{"Soll", {}};
    YearlyHoursRow differenceRow{"Ist", {}};
    for (std::size_t crew = 0; crew < crews; ++crew) {
        targetRow.cells.push_back(withDecimals(target, targetDecimals));
        const float difference = static_cast<float>(hours[crew][kYearTotalColumn]) - target;
        differenceRow.cells.push_back(differenceText(difference, targetDecimals));
    }
    table.rows.push_back(std::move(targetRow));
    table.rows.push_back(std::move(differenceRow));
}

} // namespace

std::optional<YearlyHoursTable> yearlyHoursTable(const ShiftSystem& system, int year,
                                                 float targetHours38, float targetHours40) {
    const CalendarType type = system.calendarType;
    if (isFourCrew(type))
        return std::nullopt;
    YearlyHoursTable table;
    const auto crews = static_cast<std::size_t>(crewCount(type));
    table.crewNames.assign(YearlyHoursCrewNames.begin(), YearlyHoursCrewNames.begin() + crews);
    if (type == CalendarType::WendringTwoShift)
        fillRows(table, computeTwoShiftYearlyCrewHours(system, year), crews, targetHours40, 1, 1);
    else
        fillRows(table, computeYearlyCrewHours(system, year), crews, targetHours38, 0, 2);
    return table;
}

} // namespace tp
