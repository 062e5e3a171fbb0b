#include "accounts/PlannedYearHours.h"

#include "accounts/YearlyCrewHours.h"

namespace tp {

std::array<double, kCrewCount> plannedYearHoursOfCrews(const ShiftSystem& system, int year) {
    const auto hours = computeYearlyCrewHours(system, year);
    std::array<double, kCrewCount> totals{};
    for (std::size_t crew = 0; crew < totals.size(); ++crew)
        totals[crew] = hours[crew][kYearTotalColumn];
    return totals;
}

} // namespace tp
