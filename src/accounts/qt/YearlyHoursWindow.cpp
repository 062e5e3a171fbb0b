#include "accounts/qt/YearlyHoursWindow.h"

#include "accounts/CrewDutyOfDay.h"
#include "accounts/YearlyHoursTable.h"
#include "platform/qt/Colour.h"
#include "platform/qt/ScreenFit.h"

#include <QHeaderView>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tp {

namespace {

constexpr int kMonthColumnWidth = 12;
constexpr int kCrewColumnWidth = 9;

} // namespace

YearlyHoursWindow::YearlyHoursWindow(const ShiftSystem& system, int calendarYear,
                                     float targetHours38, float targetHours40, QWidget* parent)
    : QDialog(parent), system_(system), targetHours38_(targetHours38),
      targetHours40_(targetHours40) {
    setWindowTitle(QStringLiteral("Jahresstunden"));
    const int crews = crewCount(system.calendarType);
    const int unit = fontMetrics().averageCharWidth();
    auto* layout = new QVBoxLayout(this);
    yearField_ = new QSpinBox(this);
    yearField_->setRange(calendarYear - kYearlyHoursYearsBefore,
                         calendarYear + kYearlyHoursYearsAfter);
    yearField_->setValue(calendarYear);
    yearField_->setFixedWidth((crews == 5 ? 9 : 8) * unit);
    layout->addWidget(yearField_, 0, Qt::AlignHCenter);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setColumnCount(crews + 1);
    QStringList titles{QStringLiteral("Monat")};
    for (int crew = 0; crew < crews; ++crew)
        titles << QString::fromUtf8(YearlyHoursCrewNames[static_cast<std::size_t>(crew)].data());
    list_->setHeaderLabels(titles);
    list_->setColumnWidth(0, kMonthColumnWidth * unit);
    for (int crew = 1; crew <= crews; ++crew)
        list_->setColumnWidth(crew, kCrewColumnWidth * unit);
    layout->addWidget(list_);

    connect(yearField_, &QSpinBox::valueChanged, this, &YearlyHoursWindow::fill);
    fill(calendarYear);
    openAtTableSize(*layout);
    fitToScreen(*this);
}

void YearlyHoursWindow::openAtTableSize(const QVBoxLayout& layout) {
    // Every column as wide as its widest cell or its title, every row in sight; measured in
    // the style the window is shown in.
    ensurePolished();
    const QAbstractItemView& view = *list_; // its size hints are public
    // Room for a scroll bar besides: a view that had its scroll bars while it was small keeps
    // them when the content fits exactly.
    const int slack = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_);
    int tableWidth = 2 * list_->frameWidth() + slack;
    for (int column = 0; column < list_->columnCount(); ++column) {
        const int wanted = std::max({list_->columnWidth(column), view.sizeHintForColumn(column),
                                     list_->header()->sectionSizeHint(column)});
        list_->setColumnWidth(column, wanted);
        tableWidth += wanted;
    }
    const int rows = list_->topLevelItemCount();
    const int tableHeight = 2 * list_->frameWidth() + list_->header()->sizeHint().height() +
                            rows * std::max(1, view.sizeHintForRow(0)) + slack;
    const QMargins margins = layout.contentsMargins();
    resize(margins.left() + tableWidth + margins.right(),
           margins.top() + yearField_->sizeHint().height() + layout.spacing() + tableHeight +
               margins.bottom());
}

void YearlyHoursWindow::fill(int year) {
    list_->clear();
    const auto table = yearlyHoursTable(system_, year, targetHours38_, targetHours40_);
    if (!table)
        return;
    for (const YearlyHoursRow& row : table->rows) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(0, QString::fromStdString(row.label));
        for (std::size_t crew = 0; crew < row.cells.size(); ++crew) {
            const int column = static_cast<int>(crew) + 1;
            const CrewColumnColours& colours = YearlyHoursCrewColours[crew];
            item->setText(column, QString::fromStdString(row.cells[crew]));
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
            item->setBackground(column,
                                colourFromWindowsValue(static_cast<int>(colours.background)));
            item->setForeground(column, colourFromWindowsValue(static_cast<int>(colours.text)));
        }
    }
}

void showYearlyHours(QWidget* parent, const ShiftSystem& system, int calendarYear,
                     float targetHours38, float targetHours40) {
    if (isFourCrew(system.calendarType))
        return;
    YearlyHoursWindow window(system, calendarYear, targetHours38, targetHours40, parent);
    window.exec();
}

} // namespace tp
