#pragma once

#include "model/DayNumber.h"

namespace tp {

// Whether `day` is a plant holiday for a marking of shift column `level` (1 stand-by week,
// 2 early, 3 late, 4 night): the high feasts count from level 1, Christmas Eve, New Year's
// Eve and Holy Saturday from level 3, 30 April and Whit Saturday from level 4. A level of 0
// or less is never a holiday.
bool isHolidayForLevel(DayNumber day, int level);

} // namespace tp
