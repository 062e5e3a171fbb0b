#pragma once

#include "model/ShiftSystem.h"

#include <string>

namespace tp {

// What shift slot `slot` (1..4, left to right) of `day`'s row on the page shows, with the
// plant's times as the calendar export has them: "Blau – Frühschicht 6.00–14.00", one line per
// crew where two crews share the slot (the Sunday without a late shift). Empty where the slot
// shows no shift.
std::string shiftSlotText(const ShiftSystem& system, DayNumber day, int slot);

} // namespace tp
