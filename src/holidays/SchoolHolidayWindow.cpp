#include "holidays/SchoolHolidayWindow.h"

#include "holidays/SchoolHolidays.h"
#include "platform/Colour.h"

#include <QHeaderView>
#include <QTreeWidget>

#include <cmath>

namespace tp {

SchoolHolidayWindow::SchoolHolidayWindow(int year, int unitW, int unitH, int backgroundColour,
                                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Ferientermine"));
    setFixedSize(54 * unitW, 12 * unitH);
    QPalette background = palette();
    background.setColor(QPalette::Window, colourFromWindowsValue(backgroundColour));
    setPalette(background);
    setAutoFillBackground(true);

    list_ = new QTreeWidget(this);
    list_->setGeometry(unitW, unitH, 52 * unitW, static_cast<int>(std::lround(10.1 * unitH)));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("Bayerische Schulferien"), QString::number(year)});
    list_->header()->setStretchLastSection(false);
    list_->setColumnWidth(0, 24 * unitW);
    list_->setColumnWidth(1, 27 * unitW);

    const auto periods = schoolHolidaysOfYear(year);
    if (!periods)
        return;
    for (std::size_t index = 0; index < periods->size(); ++index) {
        const SchoolHolidayPeriod& period = (*periods)[index];
        const std::string_view name = SchoolHolidayPeriodNames[index];
        const std::string dates =
            formatTableDate(period.start) + " - " + formatTableDate(period.end);
        new QTreeWidgetItem(list_,
                            {QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                             QString::fromStdString(dates)});
    }
}

void showSchoolHolidays(QWidget* parent, int year, int unitW, int unitH, int backgroundColour) {
    SchoolHolidayWindow window(year, unitW, unitH, backgroundColour, parent);
    window.exec();
}

} // namespace tp
