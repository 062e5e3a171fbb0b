#pragma once

#include <QColor>

namespace tp::pagecolours {

// Colours of the page (red, green, blue).
inline const QColor kText{0, 0, 0};
inline const QColor kHoliday{255, 0, 0};
inline const QColor kSchoolHoliday{219, 214, 181};
inline const QColor kDayNote{199, 194, 201};
inline const QColor kPeriodicNote{219, 214, 181};
inline const QColor kYearlyNote{239, 194, 161};
inline const QColor kWeekdayNote{179, 214, 141};
inline const QColor kWeekNumber{112, 104, 54};
inline const QColor kMoonOutline{128, 128, 128};
inline const QColor kMoonLight{250, 250, 0};
inline const QColor kSolarEclipse{136, 136, 136};
inline const QColor kLunarEclipse{187, 136, 136};
inline const QColor kMarkingOnFourCrew{0, 0, 255};
inline const QColor kFourCrewFreeDay{255, 0, 0};
inline const QColor kFourCrewLetters{31, 31, 31};

} // namespace tp::pagecolours
