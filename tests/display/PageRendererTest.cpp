#include "display/qt/PageRenderer.h"

#include "display/qt/PageFont.h"
#include "holidays/Holidays.h"
#include "holidays/SchoolHolidays.h"
#include "model/WorkingDate.h"
#include "platform/qt/Colour.h"

#include <QtTest>

#include <array>
#include <map>

namespace tp {
namespace {

const QColor kBackground = colourFromWindowsValue(0xD8E9EC);

QColor crewColour(int crew) {
    return colourFromWindowsValue(CrewColours[static_cast<std::size_t>(crew)]);
}

// One drawn page and the geometry to find its cells.
struct RenderedPage {
    ShiftSystem shifts;
    QImage image;
    DayCellTable cells;
    LayoutUnits units;
    PageSwitches switches;

    RenderedPage(int calendarType, int year, int month, bool vacationBlock = true,
                 std::vector<const DayMarksSource*> sources = {}, bool schoolHolidays = true,
                 int pointSize = 10)
        : view_{year, month, 0, 1}, sources_(std::move(sources)) {
        shifts.calendarType = *calendarTypeFromNumber(calendarType);
        switches.schoolHolidays = schoolHolidays;
        switches.vacationBlock = vacationBlock;
        font_.setPointSize(pointSize);
        units = unitsOfFont(font_);
        redraw();
    }

    // Draws the page again, as after a change of the switches.
    void redraw() {
        PageInput input{shifts, view_};
        input.switches = switches;
        input.font = font_;
        input.units = units;
        input.markSources = sources_;
        drawMonthColumns(image, input, cells);
    }

    int columnX(int column) const { return units.w + 18 * units.w * column; }
    int shiftX(int column) const { return columnX(column) + 8 * units.w; }
    int rowY(int day) const { return day * units.h; }
    QColor at(int x, int y) const { return image.pixelColor(x, y); }

    // Any pixel in the rectangle that passes `test`.
    template <typename Test> bool any(const QRect& area, Test test) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (test(image.pixelColor(x, y)))
                    return true;
        return false;
    }

  private:
    ViewPosition view_;
    std::vector<const DayMarksSource*> sources_;
    QFont font_{QStringLiteral("DejaVu Sans")};
};

// Days of the six columns from (year, month) with their column.
template <typename Visit> void forEachDay(int year, int month, Visit visit) {
    for (int column = 0; column < 6; ++column) {
        const int monthsAfterJanuary = month - 1 + column;
        const WorkingDate first =
            firstOfMonth(year + monthsAfterJanuary / 12, monthsAfterJanuary % 12 + 1);
        for (int day = 1; day <= first.monthLength(); ++day)
            visit(column, day, first.dayNumber + day - 1, first);
    }
}

// The week number's brown, also where its edges blend into the background.
bool isWeekNumberInk(const QColor& colour) {
    return colour.red() - colour.blue() > 30 && colour.green() - colour.blue() > 25 &&
           colour.red() < 215;
}

bool isReddish(const QColor& colour) {
    return colour.red() > 180 && colour.green() < 120 && colour.blue() < 120;
}

class FakeMarks final : public DayMarksSource {
  public:
    std::map<DayNumber, DayMarks> marks;
    void addMarks(DayNumber day, DayMarks& out) const override {
        if (const auto it = marks.find(day); it != marks.end())
            out = it->second;
    }
};

} // namespace

class PageRendererTest : public QObject {
    Q_OBJECT

  private slots:
    void fiveCrewColoursStandInTheirSlots_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::newRow("type 1 winter") << 1 << 2026 << 10;
        QTest::newRow("type 1 block vacation") << 1 << 2016 << 4;
        QTest::newRow("type 0 changeover") << 0 << 2014 << 12;
        QTest::newRow("type 3 changeover") << 3 << 2014 << 12;
        QTest::newRow("type 4 spring") << 4 << 2027 << 3;
    }

    void fiveCrewColoursStandInTheirSlots() {
        QFETCH(int, type);
        QFETCH(int, year);
        QFETCH(int, month);
        const RenderedPage page(type, year, month);
        const int w = page.units.w;
        const int h = page.units.h;
        int blockYear = -1;
        DayNumber blockStart = 0;
        forEachDay(year, month,
                   [&](int column, int day, DayNumber dayNumber, const WorkingDate& first) {
                       if (first.year != blockYear) {
                           blockYear = first.year;
                           blockStart = computeBlockVacationStart(page.shifts, first.year);
                       }
                       CrewShifts crews{};
                       const int outside =
                           computeCrewShifts(page.shifts, dayNumber, true, blockStart, crews);
                       const int x = page.shiftX(column);
                       const int y = page.rowY(day);
                       const bool inBlock = dayNumber >= blockStart && dayNumber < blockStart + 140;
                       for (int crew = 0; crew < kCrewCount; ++crew) {
                           const int code = crews[static_cast<std::size_t>(crew)];
                           const QColor colour = crewColour(crew);
                           const QByteArray where = QStringLiteral("day %1 crew %2 code %3")
                                                        .arg(dayNumber)
                                                        .arg(crew)
                                                        .arg(code)
                                                        .toUtf8();
                           if (crew == outside) {
                               if (code >= 1 && code <= 3)
                                   QVERIFY2(page.at(x + 2, y + 2) == colour, where);
                               if (code == 0)
                                   QVERIFY2(page.at(x + w, y + h / 2) == colour, where);
                               continue;
                           }
                           if (code >= 1 && code <= 3) {
                               const int slotLeft = x + 2 * code * w;
                               if (isShiftCancelled(dayNumber, code)) {
                                   QVERIFY2(page.at(slotLeft + w, y + h / 2) == colour, where);
                                   QVERIFY2(page.at(slotLeft + 2, y + 2) != colour, where);
                               } else {
                                   QVERIFY2(page.at(slotLeft + 2, y + 2) == colour, where);
                               }
                           } else if (code == 0) {
                               QVERIFY2(page.at(x + w, y + h / 2) == colour || inBlock, where);
                               QVERIFY2((page.at(x + 2, y + 2) == colour) == inBlock, where);
                           }
                       }
                   });
    }

    void christmasEveShowsEarlyBoxAndCircles() {
        const RenderedPage page(1, 2026, 12);
        const DayNumber day = dayNumberOf(2026, 12, 24);
        CrewShifts crews{};
        computeCrewShifts(page.shifts, day, true, computeBlockVacationStart(page.shifts, 2026),
                          crews);
        const int x = page.shiftX(0);
        const int y = page.rowY(24);
        const int w = page.units.w;
        for (int crew = 0; crew < kCrewCount; ++crew) {
            const int code = crews[static_cast<std::size_t>(crew)];
            if (code < 1 || code > 3)
                continue;
            const int slotLeft = x + 2 * code * w;
            const bool boxCorner = page.at(slotLeft + 2, y + 2) == crewColour(crew);
            QCOMPARE(boxCorner, code == 1);
            QCOMPARE(page.at(slotLeft + w, y + page.units.h / 2), crewColour(crew));
        }
    }

    void sundayWithoutShiftsSplitsTheLateCircle() {
        // Easter Sunday 2027 (28 March): every shift cancelled.
        const RenderedPage page(1, 2027, 3);
        const DayNumber day = dayNumberOf(2027, 3, 28);
        CrewShifts crews{};
        computeCrewShifts(page.shifts, day, true, computeBlockVacationStart(page.shifts, 2027),
                          crews);
        int early = -1;
        int night = -1;
        for (int crew = 0; crew < kCrewCount; ++crew) {
            if (crews[static_cast<std::size_t>(crew)] == 1)
                early = crew;
            if (crews[static_cast<std::size_t>(crew)] == 3)
                night = crew;
        }
        QVERIFY(early >= 0 && night >= 0);
        const int centreX = page.shiftX(0) + 5 * page.units.w;
        const int centreY = page.rowY(28) + page.units.h / 2;
        QCOMPARE(page.at(centreX - 2, centreY), crewColour(early));
        QCOMPARE(page.at(centreX + 2, centreY), crewColour(night));
        QCOMPARE(page.at(centreX, centreY), kBackground);
    }

    void sundaysAndHolidaysHaveRedDayNumbers() {
        const RenderedPage page(1, 2026, 12);
        forEachDay(2026, 12, [&](int column, int day, DayNumber dayNumber, const WorkingDate&) {
            const QRect number(page.columnX(column), page.rowY(day), 2 * page.units.w,
                               page.units.h);
            const bool expected =
                weekdayOf(dayNumber) == Weekday::Sunday || isPublicHoliday(dayNumber);
            QVERIFY2(page.any(number, isReddish) == expected,
                     QByteArray::number(dayNumber).constData());
        });
    }

    void schoolHolidayBoxFollowsTheTableAndTheSwitch() {
        for (const bool shown : {true, false}) {
            const RenderedPage page(1, 2026, 12, true, {}, shown);
            const QColor box(219, 214, 181);
            const int probeOffset = page.units.w / 3 + qRound(5.35 * page.units.w) - 2;
            forEachDay(2026, 12, [&](int column, int day, DayNumber, const WorkingDate& first) {
                const bool holiday = isSchoolHoliday(first.year, first.month, day);
                const QColor probe =
                    page.at(page.columnX(column) + probeOffset, page.rowY(day) + 1);
                QCOMPARE(probe == box, shown && holiday);
            });
        }
    }

    void dayCellTableHoldsDateCodesAndZerosPastTheMonthEnd() {
        const RenderedPage page(1, 2026, 12); // December 2026 .. May 2027
        QCOMPARE(page.cells.columnCount(), 6);
        QCOMPARE(page.cells.at(0, 7), 20261107);
        QCOMPARE(page.cells.at(0, 31), 20261131);
        QCOMPARE(page.cells.at(2, 28), 20270128);
        QCOMPARE(page.cells.at(2, 29), 0); // February 2027
        QCOMPARE(page.cells.at(2, 31), 0);
        QCOMPARE(page.cells.at(4, 30), 20270330);
        QCOMPARE(page.cells.at(4, 31), 0); // April
    }

    void vacationBlockWithoutTheFlagShowsTheFreeWeekSquare() {
        const RenderedPage page(1, 2016, 4, false);
        const DayNumber blockStart = computeBlockVacationStart(page.shifts, 2016);
        const WorkingDate start = workingDateOf(blockStart + 3);
        const int column = start.month - 4;
        CrewShifts crews{};
        computeCrewShifts(page.shifts, start.dayNumber, true, blockStart, crews);
        for (int crew = 0; crew < kCrewCount; ++crew) {
            if (crews[static_cast<std::size_t>(crew)] != 0)
                continue;
            const int x = page.shiftX(column);
            const int y = page.rowY(start.day);
            QCOMPARE(page.at(x + page.units.w, y + page.units.h / 2), crewColour(crew));
            QCOMPARE(page.at(x + 2, y + 2), kBackground);
        }
    }

    void twoShiftCrewsUseEarlyAndLateSlots() {
        const RenderedPage page(2, 2026, 12);
        forEachDay(2026, 12, [&](int column, int day, DayNumber dayNumber, const WorkingDate&) {
            CrewShifts crews{};
            computeCrewShifts(page.shifts, dayNumber, false, 0, crews);
            for (int crew = 0; crew < 3; ++crew) {
                const int code = crews[static_cast<std::size_t>(crew)];
                if (code == 0 || isShiftCancelled(dayNumber, code))
                    continue;
                QCOMPARE(
                    page.at(page.shiftX(column) + 2 * code * page.units.w + 2, page.rowY(day) + 2),
                    crewColour(crew));
            }
            QCOMPARE(page.at(page.shiftX(column) + 6 * page.units.w + 2, page.rowY(day) + 2),
                     kBackground);
        });
    }

    void fourCrewTextsShowFreeDaysAndShifts() {
        for (const int type : {6, 7}) {
            const RenderedPage page(type, 2026, 12);
            forEachDay(2026, 12, [&](int column, int day, DayNumber dayNumber, const WorkingDate&) {
                for (int crew = 1; crew <= 4; ++crew) {
                    const int code = fourCrewShift(*calendarTypeFromNumber(type), dayNumber, crew);
                    const QRect slot(page.shiftX(column) + 2 * (crew - 1) * page.units.w,
                                     page.rowY(day), 2 * page.units.w, page.units.h);
                    bool inked = false;
                    for (int y = slot.top(); y <= slot.bottom(); ++y)
                        for (int x = slot.left(); x <= slot.right(); ++x)
                            inked = inked || page.at(x, y).lightness() < 128;
                    if (type == 6) {
                        QCOMPARE(page.any(slot, isReddish), code == 4);
                        QVERIFY(inked || code == 4);
                    } else {
                        QCOMPARE(inked, code != 4);
                    }
                }
            });
        }
    }

    void marksFromOtherSubsystemsAreDrawnInOrder() {
        FakeMarks source;
        const DayNumber barOnHoliday = dayNumberOf(2026, 12, 28); // school holiday
        const DayNumber barOnWorkday = dayNumberOf(2026, 12, 8);
        const DayNumber marked = dayNumberOf(2026, 12, 9);
        source.marks[barOnHoliday].barColour = 0x0A80FF; // red 255, green 128, blue 10
        source.marks[barOnWorkday].barColour = 0x0A80FF;
        source.marks[marked].dayNote = true;
        source.marks[marked].markingColumn = 1;
        source.marks[marked].markingLetter.assign(1, 'U');
        const RenderedPage page(1, 2026, 12, true, {&source});
        const int probeX = page.columnX(0) + page.units.w / 3 + qRound(5.35 * page.units.w) - 2;
        QCOMPARE(page.at(probeX, page.rowY(8) + 1), QColor(255, 128, 10));
        QCOMPARE(page.at(probeX, page.rowY(28) + 1), QColor(235, 108, 0));
        // The day note mark lies behind the day number, left of it.
        QCOMPARE(page.at(page.columnX(0) - page.units.w / 4, page.rowY(9) + 1),
                 QColor(199, 194, 201));
        QCOMPARE(page.at(page.columnX(0) + 2 * page.units.w + 1, page.rowY(9) + 1), kBackground);
        // The marking fills the free-week slot as a full box.
        CrewShifts crews{};
        computeCrewShifts(page.shifts, marked, true, computeBlockVacationStart(page.shifts, 2026),
                          crews);
        const int freeCrew =
            static_cast<int>(std::find(crews.begin(), crews.end(), 0) - crews.begin());
        QCOMPARE(page.at(page.shiftX(0) + 2, page.rowY(9) + 2), crewColour(freeCrew));
    }

    // The week number of a Monday or a 1st gives way to an eclipse mark as to a moon phase.
    void eclipseMarkReplacesTheWeekNumber() {
        FakeMarks source;
        source.marks[dayNumberOf(2027, 8, 2)].eclipse = EclipseSymbol::Solar;
        source.marks[dayNumberOf(2030, 6, 1)].eclipse = EclipseSymbol::Lunar;
        for (const auto [year, month, eclipseDay, plainMonday] :
             {std::array{2027, 8, 2, 9}, std::array{2030, 6, 1, 3}}) {
            const RenderedPage page(1, year, month, true, {&source}, false);
            const auto weekNumberIn = [&](int day) {
                const QRect symbolPlace(page.columnX(0) + 5 * page.units.w, page.rowY(day),
                                        3 * page.units.w, page.units.h);
                return page.any(symbolPlace, isWeekNumberInk);
            };
            QVERIFY(!weekNumberIn(eclipseDay));
            QVERIFY(weekNumberIn(plainMonday));
        }
    }

    // Weekday letters and week number stay apart at every size, two clean pixels at least, and
    // the number stays out of the shift area.
    void weekNumberKeepsClearOfTheWeekday_data() {
        QTest::addColumn<int>("pointSize");
        for (const int size : {8, 10, 12, 14, 20})
            QTest::addRow("%d pt", size) << size;
    }
    void weekNumberKeepsClearOfTheWeekday() {
        QFETCH(int, pointSize);
        const RenderedPage withNumbers(1, 2027, 3, true, {}, false, pointSize);
        RenderedPage withoutNumbers(1, 2027, 3, true, {}, false, pointSize);
        withoutNumbers.switches.weekNumbers = false;
        withoutNumbers.redraw();
        QStringList touching;
        int weekNumbers = 0;
        forEachDay(2027, 3, [&](int column, int day, DayNumber, const WorkingDate& first) {
            const int left = withNumbers.columnX(column) + 2 * withNumbers.units.w;
            const int right = withNumbers.shiftX(column);
            int lastLetter = -1;
            int firstNumber = -1;
            int lastNumber = -1;
            for (int x = left; x < right; ++x) {
                for (int y = withNumbers.rowY(day); y < withNumbers.rowY(day + 1); ++y) {
                    if (withoutNumbers.at(x, y) != kBackground)
                        lastLetter = x;
                    if (withNumbers.at(x, y) != withoutNumbers.at(x, y)) {
                        firstNumber = firstNumber < 0 ? x : firstNumber;
                        lastNumber = x;
                    }
                }
            }
            if (firstNumber < 0)
                return;
            ++weekNumbers;
            if (firstNumber <= lastLetter + 2 || lastNumber >= right)
                touching.append(QStringLiteral("%1.%2.").arg(day).arg(first.month));
        });
        QVERIFY(weekNumbers > 25);
        QCOMPARE(touching, QStringList());
    }

    void cursorFrameSurroundsTheCursorDay() {
        RenderedPage page(1, 2026, 12);
        PageInput input{page.shifts, ViewPosition{2026, 12, 2, 10}};
        input.units = page.units;
        drawCursorFrame(page.image, input);
        const int left = 18 * page.units.w * 2;
        QCOMPARE(page.at(left, page.rowY(10) + page.units.h / 2), QColor(0, 0, 0));
        QCOMPARE(page.at(left + 18 * page.units.w - 1, page.rowY(10) + page.units.h / 2),
                 QColor(0, 0, 0));
        QCOMPARE(page.at(left + 9 * page.units.w, page.rowY(10) - 1), QColor(0, 0, 0));
    }

    void pageImageTakesThePageSize() {
        const RenderedPage page(1, 2026, 12);
        QCOMPARE(page.image.width(), page.units.w * 108);
        QCOMPARE(page.image.height(), page.units.h * 32 + 2);
    }
};

} // namespace tp

QTEST_MAIN(tp::PageRendererTest)
#include "PageRendererTest.moc"
