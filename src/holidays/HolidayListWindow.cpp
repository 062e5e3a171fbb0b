#include "holidays/HolidayListWindow.h"

#include "holidays/HolidayTables.h"
#include "holidays/Holidays.h"
#include "model/WorkingDate.h"
#include "platform/Colour.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace tp {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void addRow(QTreeWidget* list, const std::string& date, std::string_view name) {
    new QTreeWidgetItem(list, {QString::fromStdString(date), qText(name)});
}

void addEmptyRow(QTreeWidget* list) {
    new QTreeWidgetItem(list, {QString(), QString()});
}

template <typename Table>
void addEasterRows(QTreeWidget* list, const Table& table, DayNumber easter) {
    for (const MovableHoliday& entry : table) {
        const CivilDate date = civilFromDayNumber(easter + entry.offset);
        addRow(list, dayAndMonthText(date.day, date.month), entry.name);
    }
}

} // namespace

HolidayListWindow::HolidayListWindow(int year, int unitW, int unitH, int backgroundColour,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Feiertage"));
    setFixedSize(50 * unitW, 33 * unitH);
    QPalette background = palette();
    background.setColor(QPalette::Window, colourFromWindowsValue(backgroundColour));
    setPalette(background);
    setAutoFillBackground(true);

    list_ = new QTreeWidget(this);
    list_->setGeometry(unitW, unitH, 48 * unitW, 31 * unitH);
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QString::number(year), QStringLiteral("Feiertag")});
    list_->header()->setStretchLastSection(false);
    list_->setColumnWidth(0, 16 * unitW);
    list_->setColumnWidth(1, 27 * unitW);

    for (const FixedHoliday& entry : FixedPublicHolidays)
        addRow(list_, dayAndMonthText(entry.code % 100, entry.code / 100), entry.name);
    const DayNumber easter = easterSunday(year);
    addEmptyRow(list_);
    addEasterRows(list_, MovableFeastDays, easter);
    addEmptyRow(list_);
    addEasterRows(list_, MovablePublicHolidays, easter);
}

void showHolidayList(QWidget* parent, int year, int unitW, int unitH, int backgroundColour) {
    HolidayListWindow window(year, unitW, unitH, backgroundColour, parent);
    window.exec();
}

} // namespace tp
