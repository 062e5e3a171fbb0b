#include "holidays/qt/HolidayListWindow.h"

#include "holidays/HolidayTables.h"
#include "holidays/Holidays.h"
#include "model/WorkingDate.h"
#include "platform/qt/QtText.h"

namespace tp {

namespace {

template <typename Table>
void addEasterRows(TwoColumnListWindow& window, const Table& table, DayNumber easter) {
    for (const MovableHoliday& entry : table) {
        const CivilDate date = civilFromDayNumber(easter + entry.offset);
        window.addRow(qText(dayAndMonthText(date.day, date.month)), qText(entry.name));
    }
}

} // namespace

HolidayListWindow::HolidayListWindow(int year, int unitW, int unitH, int backgroundColour,
                                     QWidget* parent)
    : TwoColumnListWindow({QStringLiteral("Feiertage"),
                           {50, 33},
                           {48, 31},
                           {QString::number(year), QStringLiteral("Feiertag")},
                           16,
                           27},
                          unitW, unitH, backgroundColour, parent) {
    for (const FixedHoliday& entry : FixedPublicHolidays)
        addRow(qText(dayAndMonthText(entry.code % 100, entry.code / 100)), qText(entry.name));
    const DayNumber easter = easterSunday(year);
    addRow({}, {});
    addEasterRows(*this, MovableFeastDays, easter);
    addRow({}, {});
    addEasterRows(*this, MovablePublicHolidays, easter);
}

void showHolidayList(QWidget* parent, int year, int unitW, int unitH, int backgroundColour) {
    HolidayListWindow window(year, unitW, unitH, backgroundColour, parent);
    window.exec();
}

} // namespace tp
