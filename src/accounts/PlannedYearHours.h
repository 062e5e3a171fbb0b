#pragma once

#include "model/ShiftSystem.h"

#include <array>

namespace tp {

// Planned hours of crews 0..4 for the whole `year`, as the shift plan sheet prints them.
std::array<double, kCrewCount> plannedYearHoursOfCrews(const ShiftSystem& system, int year);

} // namespace tp
