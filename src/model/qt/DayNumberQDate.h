#pragma once

#include "model/DayNumber.h"

#include <QDate>

namespace tp {

// The day count as the date fields of the windows show it, and back.
inline QDate qDateOf(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    return QDate(date.year, date.month, date.day);
}

inline DayNumber dayOf(const QDate& date) {
    return dayNumberOf(date.year(), date.month(), date.day());
}

} // namespace tp
