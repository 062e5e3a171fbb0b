#include "holidays/qt/SchoolHolidayWindow.h"

#include "holidays/SchoolHolidays.h"
#include "platform/qt/QtText.h"

namespace tp {

SchoolHolidayWindow::SchoolHolidayWindow(int year, int unitW, int unitH, int backgroundColour,
                                         QWidget* parent)
    : TwoColumnListWindow({QStringLiteral("Ferientermine"),
                           {54, 12},
                           {52, 10.1},
                           {QStringLiteral("Bayerische Schulferien"), QString::number(year)},
                           24,
                           27},
                          unitW, unitH, backgroundColour, parent) {
    const auto periods = schoolHolidaysOfYear(year);
    if (!periods)
        return;
    for (std::size_t index = 0; index < periods->size(); ++index) {
        const SchoolHolidayPeriod& period = (*periods)[index];
        const std::string dates =
            formatTableDate(period.start) + " - " + formatTableDate(period.end);
        addRow(qText(SchoolHolidayPeriodNames[index]), QString::fromStdString(dates));
    }
}

void showSchoolHolidays(QWidget* parent, int year, int unitW, int unitH, int backgroundColour) {
    SchoolHolidayWindow window(year, unitW, unitH, backgroundColour, parent);
    window.exec();
}

} // namespace tp
