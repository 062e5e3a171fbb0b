#pragma once

#include "model/ShiftSystem.h"

#include <ostream>

namespace tp::cli {

// Writes the tab-separated day report (header line, then one row per day from..to).
void writeDaysReport(std::ostream& out, const ShiftSystem& system, DayNumber from, DayNumber to);

// One row of the report, without its line end.
std::string daysReportRow(const ShiftSystem& system, DayNumber day);

inline constexpr const char* kDaysReportHeader =
    "date\tday_number\tweekday\tiso_week\teaster\tpublic_holiday\tday_name\tschool_holiday\tcrews"
    "\toutside\tcancelled\tinfo_line";

} // namespace tp::cli
