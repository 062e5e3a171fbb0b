#include "accounts/qt/SupplementsWindow.h"

#include "platform/qt/MessageBoxes.h"
#include "platform/qt/PrintWithDialog.h"
#include "platform/qt/TitleWidth.h"

#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tp {

namespace {

constexpr int kDateColumn = 0;
constexpr int kShiftColumn = 1;
constexpr int kWorkedColumn = 2;
constexpr int kColumnCount = kWorkedColumn + 1 + kSupplementClassCount;

QString dayText(DayNumber day) {
    const CivilDate date = civilFromDayNumber(day);
    const std::string_view weekday = weekdayName(weekdayOf(day));
    return QStringLiteral("%1 %2.%3.")
        .arg(QString::fromUtf8(weekday.data(), 2))
        .arg(date.day, 2, 10, QLatin1Char('0'))
        .arg(date.month, 2, 10, QLatin1Char('0'));
}

QString monthTitle(int year, int month) {
    return QString::fromUtf8(monthName(month).data(),
                             static_cast<qsizetype>(monthName(month).size())) +
           QLatin1Char(' ') + QString::number(year);
}

QStringList columnTitles() {
    QStringList titles{QStringLiteral("Datum"), QStringLiteral("Schicht"),
                       QStringLiteral("Stunden")};
    for (const std::string_view name : SupplementClassNames)
        titles << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return titles;
}

void setHours(QTreeWidgetItem& item, const SupplementMinutes& minutes) {
    item.setText(kWorkedColumn, QString::fromStdString(hoursText(minutes.worked)));
    for (int i = 0; i < kSupplementClassCount; ++i) {
        const int classMinutes = minutes.classes[static_cast<std::size_t>(i)];
        // Empty cells let the hours that count stand out.
        item.setText(kWorkedColumn + 1 + i, classMinutes == 0
                                                ? QString()
                                                : QString::fromStdString(hoursText(classMinutes)));
    }
    for (int column = kWorkedColumn; column < kColumnCount; ++column)
        item.setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}

// Wide enough for every date of a year and the bold sum, with the margins the style leaves
// beside a cell's text, so that no month cuts a date short.
int dateColumnWidth(const QTreeWidget& list) {
    const QFontMetrics metrics = list.fontMetrics();
    QFont bold = list.font();
    bold.setBold(true);
    int widest = QFontMetrics(bold).horizontalAdvance(QStringLiteral("Summe"));
    for (DayNumber day = dayNumberOf(2024, 1, 1); day <= dayNumberOf(2024, 12, 31); ++day)
        widest = std::max(widest, metrics.horizontalAdvance(dayText(day)));
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return widest + 2 * margin + metrics.averageCharWidth();
}

bool isSupportedMonth(int year, int month) {
    const DayNumber first = dayNumberOf(year, month, 1);
    return first >= kFirstSupportedDay && first <= kLastSupportedDay;
}

} // namespace

SupplementsWindow::SupplementsWindow(const SupplementsWindowInput& input, QWidget* parent)
    : QDialog(parent), input_(input) {
    setWindowTitle(QStringLiteral("Zuschläge"));
    const int unit = fontMetrics().averageCharWidth();

    previousButton_ = new QPushButton(QStringLiteral("< Monat"), this);
    nextButton_ = new QPushButton(QStringLiteral("Monat >"), this);
    for (QPushButton* button : {previousButton_, nextButton_})
        button->setAutoDefault(false);
    monthLabel_ = new QLabel(this);
    monthLabel_->setAlignment(Qt::AlignCenter);
    monthLabel_->setMinimumWidth(18 * unit);
    crewField_ = new QComboBox(this);
    for (int crew = 0; crew < crewCount(input.system.calendarType); ++crew)
        crewField_->addItem(
            QString::fromStdString(crewDisplayName(crew, input.system.calendarType)));
    crewField_->setCurrentIndex(std::clamp(input.crew, 0, crewField_->count() - 1));
    crewField_->setFocusPolicy(Qt::ClickFocus);
    auto* top = new QHBoxLayout;
    top->addWidget(previousButton_);
    top->addWidget(monthLabel_, 1);
    top->addWidget(nextButton_);
    top->addSpacing(2 * unit);
    top->addWidget(new QLabel(QStringLiteral("Schicht:"), this));
    top->addWidget(crewField_);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setColumnCount(kColumnCount);
    list_->setHeaderLabels(columnTitles());
    list_->setColumnWidth(kDateColumn, dateColumnWidth(*list_));
    list_->setColumnWidth(kShiftColumn, 16 * unit);
    for (int column = kWorkedColumn; column < kColumnCount; ++column)
        list_->setColumnWidth(column, 15 * unit);
    list_->setMinimumSize(118 * unit, 30 * fontMetrics().height());

    wageField_ = new QDoubleSpinBox(this);
    wageField_->setRange(0.0, 999.99);
    wageField_->setDecimals(2);
    wageField_->setSuffix(QStringLiteral(" €"));
    wageField_->setSpecialValueText(QStringLiteral("keiner"));
    wageField_->setValue(input.wageCents ? *input.wageCents / 100.0 : 0.0);
    taxFreeLabel_ = new QLabel(this);
    copyButton_ = new QPushButton(QStringLiteral("Kopieren"), this);
    copyButton_->setAutoDefault(false);
    copyButton_->setToolTip(QStringLiteral("Den Monat als Tabelle in die Zwischenablage kopieren"));
    auto* closeButton = new QPushButton(QStringLiteral("Schließen"), this);
    closeButton->setAutoDefault(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Stundenlohn:"), this));
    bottom->addWidget(wageField_);
    bottom->addSpacing(2 * unit);
    bottom->addWidget(taxFreeLabel_, 1);
    bottom->addWidget(copyButton_);
    bottom->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_);
    layout->addLayout(bottom);

    connect(previousButton_, &QPushButton::clicked, this, [this] { stepMonth(-1); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { stepMonth(+1); });
    connect(crewField_, &QComboBox::currentIndexChanged, this, [this](int crew) {
        input_.crew = crew;
        fill();
    });
    connect(wageField_, &QDoubleSpinBox::valueChanged, this, [this] { showTaxFree(); });
    connect(copyButton_, &QPushButton::clicked, this, &SupplementsWindow::copyMonth);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // Shortcuts, so that the list and the wage field do not take the keys for scrolling.
    for (const auto& [key, months] :
         {std::pair{Qt::Key_PageUp, -1}, std::pair{Qt::Key_PageDown, +1}}) {
        auto* step = new QShortcut(QKeySequence(key), this);
        connect(step, &QShortcut::activated, this, [this, months] { stepMonth(months); });
    }
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, &SupplementsWindow::print);

    fill();
    list_->setFocus();
}

std::optional<int> SupplementsWindow::wageCents() const {
    const int cents = static_cast<int>(std::lround(wageField_->value() * 100));
    return cents > 0 ? std::optional<int>(cents) : std::nullopt;
}

void SupplementsWindow::stepMonth(int months) {
    const int index = input_.year * 12 + input_.month - 1 + months;
    const int year = index / 12;
    const int month = index % 12 + 1;
    if (!isSupportedMonth(year, month))
        return;
    input_.year = year;
    input_.month = month;
    fill();
}

void SupplementsWindow::fill() {
    CrewCalendarRequest request;
    request.system = input_.system;
    request.crew = input_.crew;
    request.markings = input_.markings;
    request.from = dayNumberOf(input_.year, input_.month, 1);
    request.to = std::min(kLastSupportedDay, dayNumberOf(input_.year, input_.month,
                                                         monthLength(input_.year, input_.month)));
    days_ = supplementDays(request);

    monthLabel_->setText(monthTitle(input_.year, input_.month));
    previousButton_->setEnabled(isSupportedMonth(input_.year - (input_.month == 1),
                                                 input_.month == 1 ? 12 : input_.month - 1));
    nextButton_->setEnabled(isSupportedMonth(input_.year + (input_.month == 12),
                                             input_.month == 12 ? 1 : input_.month + 1));
    list_->clear();
    SupplementMinutes sum;
    for (const SupplementDay& day : days_) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kDateColumn, dayText(day.day));
        item->setText(kShiftColumn, QString::fromStdString(day.shift));
        setHours(*item, day.minutes);
        sum += day.minutes;
    }
    auto* sumItem = new QTreeWidgetItem(list_);
    sumItem->setText(kDateColumn, QStringLiteral("Summe"));
    setHours(*sumItem, sum);
    QFont bold = sumItem->font(kDateColumn);
    bold.setBold(true);
    for (int column = 0; column < kColumnCount; ++column)
        sumItem->setFont(column, bold);
    showTaxFree();
}

void SupplementsWindow::showTaxFree() {
    const std::optional<int> wage = wageCents();
    if (!wage) {
        taxFreeLabel_->setText(QStringLiteral("Steuerfrei: Stundenlohn eingeben"));
        return;
    }
    SupplementMinutes sum;
    for (const SupplementDay& day : days_)
        sum += day.minutes;
    taxFreeLabel_->setText(QStringLiteral("Steuerfrei: %1 €")
                               .arg(QString::fromStdString(centsText(taxFreeCents(sum, *wage)))));
}

std::string SupplementsWindow::monthText() const {
    return supplementDaysText(days_, wageCents());
}

void SupplementsWindow::copyMonth() {
    QGuiApplication::clipboard()->setText(QString::fromStdString(monthText()));
}

void SupplementsWindow::printMonth(QPagedPaintDevice& device) const {
    QPainter painter(&device);
    QFont font(QStringLiteral("Sans Serif"), 9);
    painter.setFont(font);
    const QFontMetrics metrics(font, &device);
    const int line = metrics.height();
    const int cellGap = metrics.averageCharWidth() * 2;

    // The lines of the page: the title, the table as the window shows it, the wage.
    const QString title =
        QStringLiteral("Zuschläge %1 – %2")
            .arg(crewField_->currentText(), monthTitle(input_.year, input_.month));
    std::vector<QStringList> rows{columnTitles()};
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < kColumnCount; ++column)
            cells << list_->topLevelItem(i)->text(column);
        rows.push_back(cells);
    }
    std::vector<int> widths(kColumnCount, 0);
    for (const QStringList& cells : rows)
        for (int column = 0; column < kColumnCount; ++column)
            widths[static_cast<std::size_t>(column)] =
                std::max(widths[static_cast<std::size_t>(column)],
                         metrics.horizontalAdvance(cells[column]) + cellGap);
    int tableWidth = 0;
    for (const int width : widths)
        tableWidth += width;
    const int height = line * (static_cast<int>(rows.size()) + 4);

    // One page: a long month or a narrow page scales the whole down.
    const QRect page(0, 0, device.width(), device.height());
    const double scale = std::min({1.0, static_cast<double>(page.width()) / tableWidth,
                                   static_cast<double>(page.height()) / height});
    painter.scale(scale, scale);
    QFont titleFont = font;
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.drawText(0, metrics.ascent(), title);
    painter.setFont(font);
    int y = line * 2;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        int x = 0;
        for (int column = 0; column < kColumnCount; ++column) {
            const int width = widths[static_cast<std::size_t>(column)];
            const Qt::Alignment alignment =
                column >= kWorkedColumn ? Qt::AlignRight : Qt::AlignLeft;
            painter.drawText(QRect(x, y, width - cellGap / 2, line), alignment | Qt::AlignVCenter,
                             rows[row][column]);
            x += width;
        }
        y += line;
        if (row == 0 || row + 2 == rows.size())
            painter.drawLine(0, y, tableWidth, y);
    }
    painter.drawText(
        0, y + line + metrics.ascent(),
        QStringLiteral("Stundenlohn: %1   %2").arg(wageField_->text(), taxFreeLabel_->text()));
}

void SupplementsWindow::print() {
    const PrintJob job{QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter),
                       QStringLiteral("Zuschläge"),
                       {}};
    QtMessageBoxes qtMessages;
    printWithDialog(
        this, job, [this](QPagedPaintDevice& printer) { printMonth(printer); },
        input_.messages ? *input_.messages : qtMessages);
}

std::optional<int> showSupplementsWindow(QWidget* parent, const SupplementsWindowInput& input) {
    SupplementsWindow window(input, parent);
    widenToTitle(window);
    window.exec();
    return window.wageCents();
}

} // namespace tp
