#pragma once

#include "model/DayNumber.h"

#include <string>

namespace tp {

// The info line of the status panel for the selected day (UTF-8), e.g.
// "Dienstag, 17. Februar 2015 - Faschingsdienstag - Alexis, Benignus" with no-break spaces round
// the hyphens.
std::string dayInfoLine(DayNumber day);

} // namespace tp
