#include "display/qt/ShiftPlanSheet.h"

#include "display/SheetGeometry.h"
#include "display/qt/PageDrawingCache.h"
#include "holidays/Holidays.h"
#include "holidays/SchoolHolidays.h"
#include "model/WorkingDate.h"
#include "platform/qt/Colour.h"
#include "platform/qt/QtText.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

// The picture of the sheet lives in the UI library's resources; a static library needs them
// registered by name before the first use.
static void registerSheetPicture() {
    Q_INIT_RESOURCE(display_resources);
}

namespace tp {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kGridLine(160, 160, 160);
const QColor kWeekNumberColour(112, 104, 54);

constexpr int kDayColumnCells = 3; // day column of a month; the five crews take one cell each
constexpr int kFirstDayRow = 3;

QColor crewColour(int crew) {
    return colourFromWindowsValue(CrewColours[static_cast<std::size_t>(crew)]);
}

QColor crewTextColour(int crew) {
    return crew == 0 || crew == 1 ? kWhite : kBlack;
}

// "24.12." from a yyyymmdd table entry.
QString dayMonthText(int entry) {
    return QStringLiteral("%1.%2.").arg(entry % 100).arg(entry / 100 % 100);
}

QString periodText(const SchoolHolidayPeriod& period) {
    if (period.start <= 0 || period.end <= 0)
        return QStringLiteral("?");
    return dayMonthText(period.start) + QStringLiteral(" - ") + dayMonthText(period.end);
}

QImage readSheetPicture() {
    registerSheetPicture();
    return QImage(QStringLiteral(":/display/paper_machine.png"));
}

// What a sheet drawn into an image keeps for the next one: texts of the cells already drawn
// and the picture. A sheet on a printer draws everything.
struct SheetCache {
    const PixelFill* pixels = nullptr;
    PixelStamps* stamps = nullptr;
    QImage* picture = nullptr;
};

class SheetPainter {
  public:
    SheetPainter(QPainter& painter, const PageInput& input, const SheetFrame& frame, int year,
                 int firstMonth, SheetCache cache = {})
        : painter_(painter), input_(input), cw_(frame.cellWidth), ch_(frame.cellHeight),
          year_(year), firstMonth_(firstMonth), cache_(cache) {}

    void draw() {
        drawFrameAndPicture();
        drawHeadings();
        for (int month = 0; month < 6; ++month)
            drawMonth(month);
        drawGridLines();
        drawLegend();
        drawTargetHours();
        drawSchoolHolidays();
    }

  private:
    int px(double cells) const { return 2 + static_cast<int>(std::lround(cells * cw_)); }
    int py(double rows) const { return 2 + static_cast<int>(std::lround(rows * ch_)); }
    QRect cellRect(double column, double row, double columns, double rows) const {
        return QRect(QPoint(px(column), py(row)),
                     QPoint(px(column + columns) - 1, py(row + rows) - 1));
    }

    QFont sheetFont(double rows, bool bold) const {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(std::max(6, static_cast<int>(std::lround(rows * ch_))));
        font.setBold(bold);
        return font;
    }

    // Text whose top is at `row`; aligned left, right or centred on x.
    void text(double column, double row, const QString& content, Qt::Alignment horizontal,
              const QFont& font, const QColor& colour = kBlack) {
        painter_.setFont(font);
        painter_.setPen(colour);
        const int x = px(column);
        const int width = 40 * cw_;
        QRect box(x, py(row), width, ch_ * 2);
        if (horizontal & Qt::AlignRight)
            box.moveRight(x);
        else if (horizontal & Qt::AlignHCenter)
            box.moveLeft(x - width / 2);
        painter_.drawText(box, horizontal | Qt::AlignTop, content);
    }

    // A text of a cell in the painter's font and pen. In an image, a text already drawn on the
    // same pixels is copied.
    void cellText(const QRect& box, int flags, const QString& content) {
        if (!cache_.stamps) {
            painter_.drawText(box, flags, content);
            return;
        }
        const QFont& font = painter_.font();
        const StampKind kind{std::uint64_t{0xA} << 60 | std::uint64_t{font.bold()} << 59 |
                                 std::uint64_t{static_cast<unsigned>(font.pixelSize()) & 0x7FF}
                                     << 48 |
                                 std::uint64_t{static_cast<unsigned>(flags) & 0xFFFF} << 32 |
                                 (painter_.pen().color().rgb() & 0xFFFFFF),
                             content};
        cache_.stamps->draw(
            *cache_.pixels, kind, box, [&] { painter_.drawText(box, flags, content); },
            [&] {
                const QRect laidOut =
                    QFontMetrics(font, painter_.device()).boundingRect(box, flags, content);
                // Lines may be a pixel taller than small cells; their ink stays inside.
                // The stamps check the pixels around the box themselves.
                return box.adjusted(-1, -1, 1, 1).contains(laidOut);
            });
    }

    void drawFrameAndPicture() {
        painter_.setPen(kBlack);
        painter_.drawRect(QRect(px(0), py(0), 48 * cw_, 40 * ch_));
        painter_.drawRect(QRect(px(0.2), py(34.5), px(47.8) - px(0.2), py(39.7) - py(34.5)));
        QImage readNow;
        QImage& picture = cache_.picture ? *cache_.picture : readNow;
        if (picture.isNull())
            picture = readSheetPicture();
        if (picture.isNull())
            return;
        const QRect space = cellRect(0.4, 34.7, 3.9, 4.8);
        const QSize size = picture.size().scaled(space.size(), Qt::KeepAspectRatio);
        const QRect target(space.left() + (space.width() - size.width()) / 2,
                           space.top() + (space.height() - size.height()) / 2, size.width(),
                           size.height());
        painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter_.drawImage(target, picture);
    }

    void drawHeadings() {
        const QFont monthFont = sheetFont(1.0, true);
        const QFont headingFont = sheetFont(0.6, true);
        for (int month = 0; month < 6; ++month) {
            const double left = 8.0 * month;
            painter_.setFont(monthFont);
            painter_.setPen(kBlack);
            painter_.drawText(cellRect(left, 0, 8, 1.5), Qt::AlignHCenter | Qt::AlignBottom,
                              qText(monthName(firstMonth_ + month)));
            painter_.setFont(headingFont);
            painter_.drawText(cellRect(left, 1.5, kDayColumnCells, 1.5), Qt::AlignCenter,
                              QStringLiteral("Tag"));
            painter_.drawText(cellRect(left + kDayColumnCells, 1.5, 5, 0.75), Qt::AlignCenter,
                              QStringLiteral("Schicht"));
            for (int crew = 0; crew < kCrewCount; ++crew) {
                const QRect cell = cellRect(left + kDayColumnCells + crew, 2.25, 1, 0.75);
                painter_.fillRect(cell.adjusted(1, 1, -1, -1), crewColour(crew));
                painter_.setPen(crewTextColour(crew));
                cellText(cell, Qt::AlignCenter, QStringLiteral("0%1").arg(crew + 1));
                painter_.setPen(kBlack);
            }
        }
    }

    void drawMonth(int month) {
        const double left = 8.0 * month;
        const QFont dayFont = sheetFont(0.72, false);
        const QFont weekFont = sheetFont(0.55, false);
        const QFont shiftFont = sheetFont(0.68, true);
        const DayNumber blockVacationStart = computeBlockVacationStart(input_.shifts, year_);
        WorkingDate date = firstOfMonth(year_, firstMonth_ + month);
        const int length = date.monthLength();
        for (int day = 1; day <= length; ++day) {
            date.day = day;
            const DayNumber dayNumber = date.dayNumber;
            const double row = kFirstDayRow + day - 1;
            const Weekday weekday = weekdayOf(dayNumber);
            const bool sunday = weekday == Weekday::Sunday;
            const QColor rowColour = sunday || isPublicHoliday(dayNumber) ? kRed : kBlack;

            const QRect dayCell = cellRect(left, row, kDayColumnCells, 1);
            painter_.setFont(dayFont);
            painter_.setPen(rowColour);
            cellText(
                dayCell.adjusted(cw_ / 5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                QStringLiteral("%1 %2").arg(day).arg(qText(weekdayName(weekday).substr(0, 2))));
            if (weekday == Weekday::Monday || day == 1) {
                painter_.setFont(weekFont);
                painter_.setPen(kWeekNumberColour);
                cellText(dayCell.adjusted(0, 0, -cw_ / 5, 0), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(isoWeekNumber(date)));
            }

            const CrewShifts crews = crewDutiesOfDay(input_.shifts, dayNumber, true).crews;
            const bool inBlockVacation =
                dayNumber >= blockVacationStart && dayNumber < blockVacationStart + 140;
            painter_.setFont(shiftFont);
            for (int crew = 0; crew < kCrewCount; ++crew)
                drawCrewCell(cellRect(left + kDayColumnCells + crew, row, 1, 1), crew,
                             crews[static_cast<std::size_t>(crew)], dayNumber, sunday,
                             inBlockVacation);

            if (weekday == Weekday::Monday && day != 1) {
                painter_.setPen(QPen(kBlack, std::max(2, ch_ / 8)));
                painter_.drawLine(px(left), py(row), px(left + 8), py(row));
            }
            ++date.dayNumber;
        }
    }

    // "F", "S", "N" for a shift, "U" for a vacation day; an "S" more on Sundays.
    static QString crewCellText(int code, bool sunday) {
        static constexpr std::array<const char*, 4> kShiftLetters{"", "F", "S", "N"};
        const QString letter =
            code >= EarlyShift && code <= NightShift
                ? QString::fromLatin1(kShiftLetters[static_cast<std::size_t>(code)])
                : QStringLiteral("U");
        return sunday ? letter + QStringLiteral("S") : letter;
    }

    // Cells of one crew, shift and kind of day look alike: in an image, the first is drawn
    // and the others copied.
    void drawCrewCell(const QRect& cell, int crew, int code, DayNumber day, bool sunday,
                      bool inBlockVacation) {
        const bool shift = code >= EarlyShift && code <= NightShift;
        if (!shift && !(code == FreeWeek && inBlockVacation))
            return;
        if (!cache_.stamps) {
            paintCrewCell(cell, crew, code, day, sunday, inBlockVacation);
            return;
        }
        const bool cancelled = shift && isShiftCancelled(day, code);
        const QFont& font = painter_.font();
        const StampKind kind{std::uint64_t{0xB} << 60 | std::uint64_t{font.bold()} << 59 |
                                 std::uint64_t{static_cast<unsigned>(font.pixelSize()) & 0x7FF}
                                     << 48 |
                                 std::uint64_t{static_cast<unsigned>(ch_) & 0xFFFF} << 32 |
                                 static_cast<std::uint64_t>(crew << 8 | code << 4 |
                                                            int{sunday} << 1 | int{cancelled}),
                             QString()};
        cache_.stamps->draw(
            *cache_.pixels, kind, cell,
            [&] { paintCrewCell(cell, crew, code, day, sunday, inBlockVacation); },
            [&] {
                const QRect laidOut =
                    QFontMetrics(font, painter_.device())
                        .boundingRect(cell, Qt::AlignCenter, crewCellText(code, sunday));
                return cell.adjusted(-1, -1, 1, 1).contains(laidOut);
            });
    }

    void paintCrewCell(const QRect& cell, int crew, int code, DayNumber day, bool sunday,
                       bool inBlockVacation) {
        if (code >= EarlyShift && code <= NightShift) {
            if (isShiftCancelled(day, code)) {
                const int diameter = std::min(cell.width(), cell.height()) - 1;
                painter_.setPen(Qt::NoPen);
                painter_.setBrush(crewColour(crew));
                painter_.setRenderHint(QPainter::Antialiasing, true);
                painter_.drawEllipse(QRect(cell.center().x() - diameter / 2,
                                           cell.center().y() - diameter / 2, diameter, diameter));
                painter_.setRenderHint(QPainter::Antialiasing, false);
                painter_.setBrush(Qt::NoBrush);
            } else {
                painter_.fillRect(cell.adjusted(1, 1, 0, 0), crewColour(crew));
            }
            painter_.setPen(crewTextColour(crew));
            painter_.drawText(cell, Qt::AlignCenter, crewCellText(code, sunday));
        } else if (code == FreeWeek && inBlockVacation) {
            // A vacation day: an inset frame in the crew colour around the letters.
            const int inset = std::max(2, ch_ / 6);
            painter_.setPen(QPen(crewColour(crew), std::max(2, ch_ / 6), Qt::SolidLine,
                                 Qt::SquareCap, Qt::MiterJoin));
            painter_.drawRect(cell.adjusted(inset, inset, -inset, -inset));
            painter_.setPen(kBlack);
            painter_.drawText(cell, Qt::AlignCenter, crewCellText(code, sunday));
        }
    }

    void drawGridLines() {
        painter_.setPen(kGridLine);
        const int top = py(1.5);
        const int bottom = py(kFirstDayRow + 31);
        for (int month = 0; month < 6; ++month) {
            for (int crew = 0; crew <= kCrewCount; ++crew) {
                const int x = px(8.0 * month + kDayColumnCells + crew);
                painter_.drawLine(x, crew == 0 ? top : py(2.25), x, bottom);
            }
        }
        painter_.drawLine(px(0), top, px(48), top);
        for (int row = kFirstDayRow; row <= kFirstDayRow + 31; ++row)
            painter_.drawLine(px(0), py(row), px(48), py(row));
        painter_.setPen(QPen(kBlack, 2));
        for (int month = 1; month < 6; ++month)
            painter_.drawLine(px(8.0 * month), py(0), px(8.0 * month), bottom);
    }

    void drawLegend() {
        const QFont titleFont = sheetFont(1.0, true);
        const QFont headingFont = sheetFont(0.75, true);
        const QFont bodyFont = sheetFont(0.7, false);
        text(4.5, 34.8, QStringLiteral("Valdor Wendring"), Qt::AlignLeft, titleFont);
        text(4.5, 37.0, QStringLiteral("Schichtplan %1").arg(year_), Qt::AlignLeft, titleFont);

        text(15, 34.8, QStringLiteral("Erläuterungen:"), Qt::AlignLeft, headingFont);
        text(15, 35.8, QStringLiteral("U/US = Urlaub"), Qt::AlignLeft, bodyFont);
        static constexpr std::array<const char*, 3> kNames{"Frühschicht", "Spätschicht",
                                                           "Nachtschicht"};
        static constexpr std::array<const char*, 3> kStarts{"6.00 -", "14.00 -", "22.00 -"};
        static constexpr std::array<const char*, 3> kEnds{"14.00 Uhr", "22.00 Uhr", "6.00 Uhr"};
        for (std::size_t line = 0; line < 3; ++line) {
            const double row = 36.7 + 0.9 * static_cast<double>(line);
            text(15, row, QString::fromUtf8(kNames[line]), Qt::AlignLeft, bodyFont);
            text(19, row, QStringLiteral("="), Qt::AlignRight, bodyFont);
            text(21.3, row, QString::fromUtf8(kStarts[line]), Qt::AlignRight, bodyFont);
            text(24.2, row, QString::fromUtf8(kEnds[line]), Qt::AlignRight, bodyFont);
        }
    }

    void drawTargetHours() {
        const QFont headingFont = sheetFont(0.75, true);
        const QFont bodyFont = sheetFont(0.62, false);
        text(26, 34.8, QStringLiteral("Sollstunden:"), Qt::AlignLeft, headingFont);
        std::optional<std::array<double, kCrewCount>> hours;
        if (input_.crewYearTotals)
            hours = input_.crewYearTotals(year_);
        for (int crew = 0; crew < kCrewCount; ++crew) {
            const double row = 35.8 + 0.7 * crew;
            const int side = std::max(4, ch_ * 6 / 10);
            const QRect box(px(26.1), py(row) + (ch_ * 7 / 10 - side) / 2, side, side);
            painter_.fillRect(box, crewColour(crew));
            painter_.setPen(kBlack);
            painter_.drawRect(box);
            text(26.9, row, QStringLiteral("Schicht       0%1").arg(crew + 1), Qt::AlignLeft,
                 bodyFont);
            if (hours)
                text(32.5, row,
                     QString::fromStdString(
                         hourBalanceText(static_cast<double>(input_.targets.targetHours38),
                                         (*hours)[static_cast<std::size_t>(crew)])),
                     Qt::AlignRight, bodyFont);
        }
    }

    void drawSchoolHolidays() {
        const QFont headingFont = sheetFont(0.75, true);
        const QFont bodyFont = sheetFont(0.62, false);
        text(34, 34.8, QStringLiteral("Bayerische Schulferien"), Qt::AlignLeft, headingFont);
        const auto previous = schoolHolidaysOfYear(year_ - 1);
        const auto current = schoolHolidaysOfYear(year_);
        const auto periodOf = [](const auto& row, std::size_t index) {
            return row ? periodText((*row)[index]) : QStringLiteral("?");
        };
        const QString previousYear =
            QStringLiteral("%1").arg((year_ - 1) % 100, 2, 10, QLatin1Char('0'));
        const QString thisYear = QStringLiteral("%1").arg(year_ % 100, 2, 10, QLatin1Char('0'));
        struct Entry {
            double column;
            QString name;
            QString period;
        };
        // The Christmas holidays that reach into January belong to the previous year's row.
        const std::array<Entry, 7> entries{{
            {34, QStringLiteral("Weihn. ") + previousYear, periodOf(previous, 5)},
            {34, QStringLiteral("Fasching"), periodOf(current, 0)},
            {34, QStringLiteral("Ostern"), periodOf(current, 1)},
            {41, QStringLiteral("Pfingsten"), periodOf(current, 2)},
            {41, QStringLiteral("Sommer"), periodOf(current, 3)},
            {41, QStringLiteral("Herbst"), periodOf(current, 4)},
            {41, QStringLiteral("Weihn. ") + thisYear, periodOf(current, 5)},
        }};
        int lineInColumn = 0;
        double lastColumn = entries[0].column;
        for (const Entry& entry : entries) {
            if (entry.column != lastColumn) {
                lastColumn = entry.column;
                lineInColumn = 0;
            }
            const double row = 35.8 + 0.9 * lineInColumn++;
            text(entry.column, row, entry.name, Qt::AlignLeft, bodyFont);
            text(entry.column + 6.4, row, entry.period, Qt::AlignRight, bodyFont);
        }
    }

    QPainter& painter_;
    const PageInput& input_;
    int cw_;
    int ch_;
    int year_;
    int firstMonth_;
    SheetCache cache_;
};

} // namespace

void drawShiftPlanSheet(QImage& page, const PageInput& input) {
    PageDrawingCache cache;
    drawShiftPlanSheet(page, input, cache);
}

void drawShiftPlanSheet(QImage& page, const PageInput& input, PageDrawingCache& cache) {
    const int pageWidth = pageWidthUnits(input.lastColumnIndex);
    const PixelSize area{input.units.w * pageWidth, 32 * input.units.h + 2};
    const SheetFrame frame = sheetFrameFor(area);
    const QSize size(std::max(1, frame.imageSize.width), std::max(1, frame.imageSize.height));
    if (page.size() != size || page.format() != QImage::Format_RGB32)
        page = QImage(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    if (frame.cellWidth <= 0 || frame.cellHeight <= 0)
        return;
    cache.prepareFor(input.font, input.units);
    QPainter painter(&page);
    const PixelFill pixels(page);
    SheetPainter sheet(painter, input, frame, input.view.year, sheetFirstMonth(input.view.month),
                       {&pixels, &cache.stamps(), &cache.sheetPicture()});
    sheet.draw();
}

void paintShiftPlanSheet(QPainter& painter, const PageInput& input, const SheetFrame& frame) {
    SheetPainter sheet(painter, input, frame, input.view.year, sheetFirstMonth(input.view.month));
    sheet.draw();
}

} // namespace tp
