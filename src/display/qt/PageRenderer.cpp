#include "display/qt/PageRenderer.h"

#include "display/qt/PageColours.h"
#include "display/qt/PageDrawingCache.h"
#include "display/qt/PageGlyphs.h"
#include "display/qt/PixelFill.h"
#include "display/qt/ShiftAreaPainter.h"
#include "display/qt/ShiftPlanSheet.h"
#include "holidays/Holidays.h"
#include "holidays/SchoolHolidays.h"
#include "model/WorkingDate.h"
#include "platform/qt/Colour.h"
#include "platform/qt/QtText.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace tp {

namespace {

int roundedTimes(double factor, int unit) {
    return static_cast<int>(std::lround(factor * unit));
}

// A calendar bar on a school-holiday day is darkened by 20 in each channel; channels stop at 0.
QColor darkenedBarColour(int windowsValue) {
    const QColor colour = colourFromWindowsValue(windowsValue);
    return QColor(std::max(0, colour.red() - 20), std::max(0, colour.green() - 20),
                  std::max(0, colour.blue() - 20));
}

// Draws the month columns of one page; texts that repeat on every row are made once.
class MonthColumnPainter {
  public:
    MonthColumnPainter(QPainter& painter, QImage& page, const PageInput& input, DayCellTable& cells,
                       PageDrawingCache& cache, const PageTextSink* texts)
        : painter_(painter), input_(input), cells_(cells), texts_(texts), pixels_(page),
          glyphs_(cache.glyphs()), stamps_(cache.stamps()),
          shiftArea_(painter, page, input, glyphs_, stamps_, pixels_), w_(input.units.w),
          h_(input.units.h), ascent_(glyphs_.ascent()),
          background_(colourFromWindowsValue(input.backgroundColour)) {}

    void drawColumn(int column, int year, int month) {
        const int x = w_ + kColumnWidthUnits * w_ * column;
        painter_.setPen(pagecolours::kText);
        QString heading = qText(monthName(month));
        if (month == 1 || column == 0)
            heading += QLatin1Char(' ') + QString::number(year);
        // The same heading on another page or in another column is copied.
        const QRect headingArea(x - w_, 0, (kColumnWidthUnits - 1) * w_, h_ + 2);
        stamps_.draw(pixels_, StampKind{symbolKind(Symbol::Heading, 0, 0).code, heading},
                     headingArea, [&] { painter_.drawText(QPoint(x, ascent_), heading); });
        if (texts_)
            (*texts_)(QPoint(x, ascent_), heading);

        if (year != blockVacationYear_) {
            blockVacationYear_ = year;
            blockVacationStart_ = computeBlockVacationStart(input_.shifts, year);
        }
        cells_.clearColumn(column);
        WorkingDate date = firstOfMonth(year, month);
        const int length = date.monthLength();
        for (int day = 1; day <= length; ++day) {
            date.day = day;
            const int y = day * h_;
            DayMarks marks;
            for (const DayMarksSource* source : input_.markSources)
                source->addMarks(date.dayNumber, marks);
            drawDayRow(x, y, column, date, marks);
            shiftArea_.draw(x + 8 * w_, y, date.dayNumber, blockVacationStart_, marks);
            ++date.dayNumber;
        }
    }

  private:
    void drawDayRow(int x, int y, int column, const WorkingDate& date, const DayMarks& marks) {
        const PageSwitches& switches = input_.switches;
        const int markLeft = x + 2 * w_;
        // The day part reaches from a third of a unit to 5.35 units further. It needs no
        // clearing of its own: the whole page was just filled with the background.
        const int dayPartRight = x + w_ / 3 + roundedTimes(5.35, w_);
        cells_.set(column, date.day, dayCellCode(date.year, date.month, date.day));

        const bool schoolHoliday =
            switches.schoolHolidays && isSchoolHoliday(date.year, date.month, date.day);
        if (schoolHoliday)
            pixels_.fill(markLeft, y, dayPartRight - markLeft, h_,
                         pagecolours::kSchoolHoliday.rgb());
        if (marks.barColour) {
            const QColor bar = schoolHoliday ? darkenedBarColour(*marks.barColour)
                                             : colourFromWindowsValue(*marks.barColour);
            pixels_.fill(markLeft, y, dayPartRight - markLeft, h_, bar.rgb());
        }
        drawNoteMarks(markLeft, y, marks);

        const DayNumber day = date.dayNumber;
        const Weekday weekday = weekdayOf(day);
        const bool red = weekday == Weekday::Sunday || isPublicHoliday(day);
        const int baseline = y + ascent_;
        const GlyphText& dayNumber = glyphs_.number(date.day);
        const QRgb textColour = red ? pagecolours::kHoliday.rgb() : pagecolours::kText.rgb();
        glyphs_.draw(pixels_, markLeft - dayNumber.width, baseline, dayNumber, textColour);
        const int lettersLeft = markLeft + roundedTimes(0.35, w_);
        const GlyphText& letters = glyphs_.weekdayLetters(weekday);
        glyphs_.draw(pixels_, lettersLeft, baseline, letters, textColour);
        if (texts_) {
            (*texts_)(QPoint(markLeft - dayNumber.width, baseline), QString::number(date.day));
            (*texts_)(QPoint(lettersLeft, baseline),
                      QString::fromLatin1(weekdayName(weekday).data(), 2));
        }

        // With some fonts the weekday letters reach the symbols' place; the symbols and the
        // week number then keep a small gap after them.
        const int clearOfLetters = lettersLeft + letters.width + std::max(2, w_ / 6);
        const int symbolLeft = std::max(x + 5 * w_, clearOfLetters);
        const bool moonDrawn = switches.moonPhases && drawMoonPhase(symbolLeft, y, marks);
        const bool eclipseDrawn = drawEclipse(symbolLeft, y, marks.eclipse);
        const bool apsisDrawn = switches.orbitExtremes && drawApsis(symbolLeft, y, marks);
        if (switches.weekNumbers && (weekday == Weekday::Monday || date.day == 1) && !moonDrawn &&
            !eclipseDrawn && !apsisDrawn) {
            const int week = isoWeekNumber(date);
            const int left = std::max(symbolLeft + (week < 10 ? w_ / 2 : 0), clearOfLetters);
            glyphs_.draw(pixels_, left, baseline, glyphs_.number(week),
                         pagecolours::kWeekNumber.rgb());
        }
    }

    // Note marks sit behind the day number: boxes that end where the number ends.
    void drawNoteMarks(int numberRight, int y, const DayMarks& marks) {
        const int full = roundedTimes(2.5, w_);
        const auto mark = [&](int width, const QColor& colour) {
            pixels_.fill(numberRight - width, y, width, h_, colour.rgb());
        };
        if (marks.dayNote)
            mark(full, pagecolours::kDayNote);
        if (marks.periodicNote)
            mark(full, pagecolours::kPeriodicNote);
        if (marks.yearlyNote)
            mark(full, pagecolours::kYearlyNote);
        if (marks.weekdayNote == WeekdayNoteMark::Full)
            mark(full, pagecolours::kWeekdayNote);
        else if (marks.weekdayNote == WeekdayNoteMark::Half)
            mark(roundedTimes(1.25, w_), pagecolours::kWeekdayNote);
    }

    enum class Symbol : std::uint64_t { Moon = 1, Eclipse, Apsis, Heading };

    // A symbol of the day part with its letter, its size and what else it reads: the
    // background, which covers the dark half of a quarter moon.
    StampKind symbolKind(Symbol symbol, char letter, int size) const {
        return {static_cast<std::uint64_t>(symbol) << 60 |
                    static_cast<std::uint64_t>(static_cast<unsigned char>(letter)) << 48 |
                    static_cast<std::uint64_t>(size & 0xFFFF) << 32 |
                    (background_.rgb() & 0xFFFFFF),
                QString()};
    }

    // Antialiased outlines reach half a pixel out of their rectangle.
    static QRect symbolArea(const QRect& circle) { return circle.adjusted(-2, -2, 2, 2); }

    QRect symbolRect(int left, int y) const {
        const int diameter = std::max(4, std::min(h_ - 4, roundedTimes(1.4, w_)));
        return QRect(left, y + (h_ - diameter) / 2, diameter, diameter);
    }

    bool drawMoonPhase(int left, int y, const DayMarks& marks) {
        if (marks.moonPhase != 'N' && marks.moonPhase != 'V' && marks.moonPhase != 'E' &&
            marks.moonPhase != 'L')
            return false;
        const QRect circle = symbolRect(left, y);
        stamps_.draw(pixels_, symbolKind(Symbol::Moon, marks.moonPhase, circle.width()),
                     symbolArea(circle), [&] { paintMoon(circle, marks.moonPhase); });
        return true;
    }

    void paintMoon(const QRect& circle, char phase) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.setPen(pagecolours::kMoonOutline);
        painter_.setBrush(phase == 'N' ? QBrush(Qt::NoBrush) : QBrush(pagecolours::kMoonLight));
        painter_.drawEllipse(circle);
        if (phase == 'E' || phase == 'L') {
            // The waxing moon is lit on the right, the waning moon on the left.
            const int half = circle.width() / 2;
            const int coveredLeft = phase == 'E' ? circle.left() - 1 : circle.left() + half;
            painter_.fillRect(coveredLeft, circle.top() - 1, half + 1, circle.height() + 2,
                              background_);
            painter_.setBrush(Qt::NoBrush);
            painter_.drawArc(circle, phase == 'E' ? 90 * 16 : -90 * 16, 180 * 16);
            painter_.drawLine(circle.left() + half, circle.top(), circle.left() + half,
                              circle.bottom());
        }
        painter_.restore();
    }

    bool drawEclipse(int left, int y, EclipseSymbol eclipse) {
        if (eclipse == EclipseSymbol::None)
            return false;
        const QRect circle = symbolRect(left, y);
        const char kind = eclipse == EclipseSymbol::Solar ? 'S' : 'L';
        stamps_.draw(
            pixels_, symbolKind(Symbol::Eclipse, kind, circle.width()), symbolArea(circle), [&] {
                painter_.save();
                painter_.setRenderHint(QPainter::Antialiasing, true);
                painter_.setPen(pagecolours::kMoonOutline);
                painter_.setBrush(eclipse == EclipseSymbol::Solar ? pagecolours::kSolarEclipse
                                                                  : pagecolours::kLunarEclipse);
                painter_.drawEllipse(circle);
                painter_.restore();
            });
        return true;
    }

    bool drawApsis(int left, int y, const DayMarks& marks) {
        if (marks.lunarApsis != 'F' && marks.lunarApsis != 'N')
            return false;
        // Small and in the lower half of the row, beside a moon symbol of the same day.
        const QRect box(left + symbolRect(left, y).width() + 1, y + h_ / 2, w_ + 2, h_ - h_ / 2);
        // The letter's ink may stand out of its box by a few pixels.
        const QRect area = box.adjusted(-2, -h_ / 3 - 1, w_, h_ / 3 + 1);
        const char letter = marks.lunarApsis;
        stamps_.draw(pixels_, symbolKind(Symbol::Apsis, letter, box.width()), area, [&] {
            painter_.save();
            QFont small = input_.font;
            small.setPixelSize(std::max(6, h_ / 2 + 1));
            painter_.setFont(small);
            painter_.setPen(pagecolours::kWeekNumber);
            painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QString(QChar(letter)));
            painter_.restore();
        });
        return true;
    }

    QPainter& painter_;
    const PageInput& input_;
    DayCellTable& cells_;
    const PageTextSink* texts_;
    PixelFill pixels_;
    PageGlyphs& glyphs_;
    PixelStamps& stamps_;
    ShiftAreaPainter shiftArea_;
    int w_;
    int h_;
    int ascent_;
    QColor background_;
    int blockVacationYear_ = -1;
    DayNumber blockVacationStart_ = 0;
};

void preparePageImage(QImage& page, const PageInput& input) {
    const PixelSize size = pageImageSize(input.units, pageWidthUnits(input.lastColumnIndex));
    const QSize wanted(std::max(1, size.width), std::max(1, size.height));
    if (page.size() != wanted || page.format() != QImage::Format_RGB32)
        page = QImage(wanted, QImage::Format_RGB32);
}

} // namespace

void drawMonthColumns(QImage& page, const PageInput& input, DayCellTable& cells,
                      const PageTextSink* texts) {
    PageDrawingCache cache;
    drawMonthColumns(page, input, cells, cache, texts);
}

void drawMonthColumns(QImage& page, const PageInput& input, DayCellTable& cells,
                      PageDrawingCache& cache, const PageTextSink* texts) {
    preparePageImage(page, input);
    page.fill(colourFromWindowsValue(input.backgroundColour));
    const int columnCount = std::clamp(input.lastColumnIndex, 0, kMaxLastColumnIndex) + 1;
    cells.resize(columnCount);
    if (input.units.w <= 0 || input.units.h <= 0)
        return;

    cache.prepareFor(input.font, input.units);
    QPainter painter(&page);
    painter.setFont(input.font);
    MonthColumnPainter columns(painter, page, input, cells, cache, texts);
    int year = input.view.year;
    int month = input.view.month;
    for (int column = 0; column < columnCount; ++column) {
        columns.drawColumn(column, year, month);
        if (++month == 13) {
            month = 1;
            ++year;
        }
    }
}

void drawCursorFrame(QImage& page, const PageInput& input) {
    const int w = input.units.w;
    const int h = input.units.h;
    QPainter painter(&page);
    painter.setPen(pagecolours::kText);
    painter.setBrush(Qt::NoBrush);
    // A stroked QRect covers one pixel more than its size: this frame is 18 W by H + 1.
    painter.drawRoundedRect(QRect(kColumnWidthUnits * w * input.view.cursorColumn,
                                  h * input.view.cursorDay - 1, kColumnWidthUnits * w - 1, h),
                            5, 5);
}

void drawPage(QImage& page, const PageInput& input, DayCellTable& cells) {
    PageDrawingCache cache;
    drawPage(page, input, cells, cache);
}

void drawPage(QImage& page, const PageInput& input, DayCellTable& cells, PageDrawingCache& cache) {
    if (isSheet(input.shifts.calendarType)) {
        drawShiftPlanSheet(page, input, cache);
        return;
    }
    drawMonthColumns(page, input, cells, cache);
    drawCursorFrame(page, input);
}

} // namespace tp
