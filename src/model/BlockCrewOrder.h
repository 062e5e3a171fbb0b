#pragma once

#include "model/ShiftSystem.h"

namespace tp {

// Puts the table of `tables` that serves `year` back to its initial crew order.
void resetBlockCrewOrder(BlockVacationTables& tables, int year);

// Rotates every row of the table that serves `year` left by one period, `count` times:
// the crew of period 0 moves to period 4. Five rotations give the order back, so any count
// (negative ones too) is taken modulo 5. The other two tables stay as they are.
void rotateBlockCrewOrder(BlockVacationTables& tables, int year, int count);

} // namespace tp
