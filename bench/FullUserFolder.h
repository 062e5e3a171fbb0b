#pragma once

#include "model/DayNumber.h"

#include <filesystem>

namespace tp::bench {

// A user's data folder as a heavy user leaves it: 10,000 day notes and 10,000 shift markings
// on the days from `first` on, and 500 calendar bars.
void fillUserFolder(const std::filesystem::path& folder, DayNumber first);

} // namespace tp::bench
