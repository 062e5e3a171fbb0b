#include "display/SheetGeometry.h"
#include "display/qt/PageRenderer.h"
#include "model/WorkingDate.h"
#include "platform/qt/Colour.h"

#include <QtTest>

#include <cmath>

namespace tp {
namespace {

QColor crewColour(int crew) {
    return colourFromWindowsValue(CrewColours[static_cast<std::size_t>(crew)]);
}

// A sheet drawn with large cells, and where its cells are.
struct RenderedSheet {
    ShiftSystem shifts;
    QImage image;
    SheetFrame frame;
    std::vector<int> yearsAsked;

    RenderedSheet(int year, int month) {
        shifts.calendarType = CalendarType::WendringStandardSheet;
        PageInput input{shifts, ViewPosition{year, month, 0, 1}};
        input.lastColumnIndex = 11;
        input.units = {16, 32};
        input.font = QFont(QStringLiteral("DejaVu Sans"));
        input.crewYearTotals = [this](int asked) {
            yearsAsked.push_back(asked);
            return std::array<double, kCrewCount>{1984, 1984, 1984, 1984, 1984};
        };
        frame = sheetFrameFor({16 * pageWidthUnits(11), 32 * 32 + 2});
        DayCellTable unused;
        drawPage(image, input, unused);
    }

    int px(double cells) const {
        return 2 + static_cast<int>(std::lround(cells * frame.cellWidth));
    }
    int py(double rows) const { return 2 + static_cast<int>(std::lround(rows * frame.cellHeight)); }
    // The cell of `crew` on `day` in the sheet's month column 0..5.
    QRect crewCell(int monthColumn, int crew, int day) const {
        const double column = 8.0 * monthColumn + 3 + crew;
        const double row = 3 + day - 1;
        return QRect(QPoint(px(column), py(row)), QPoint(px(column + 1) - 1, py(row + 1) - 1));
    }
    QColor at(int x, int y) const { return image.pixelColor(x, y); }

    // Horizontal extent of dark grey text pixels in the inner part of a cell.
    int inkWidth(const QRect& cell) const {
        int left = cell.right();
        int right = cell.left();
        const QRect inner = cell.adjusted(4, 4, -4, -4);
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x) {
                const QColor c = at(x, y);
                if (c.lightness() < 90 && std::abs(c.red() - c.blue()) < 30) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        return right >= left ? right - left + 1 : 0;
    }
};

// Days of the half year from `firstMonth` on which a crew shows no box of its colour.
int mismatchedShiftBoxes(const RenderedSheet& sheet, int year, int firstMonth) {
    int mismatches = 0;
    const DayNumber blockStart = computeBlockVacationStart(sheet.shifts, year);
    for (int month = 0; month < 6; ++month) {
        const WorkingDate first = firstOfMonth(year, firstMonth + month);
        for (int day = 1; day <= first.monthLength(); ++day) {
            const DayNumber dayNumber = first.dayNumber + day - 1;
            CrewShifts crews{};
            computeCrewShifts(sheet.shifts, dayNumber, true, blockStart, crews);
            for (int crew = 0; crew < kCrewCount; ++crew) {
                const int code = crews[static_cast<std::size_t>(crew)];
                if (code < 1 || code > 3 || isShiftCancelled(dayNumber, code))
                    continue;
                const QRect cell = sheet.crewCell(month, crew, day);
                if (sheet.at(cell.left() + 3, cell.top() + 3) != crewColour(crew))
                    ++mismatches;
            }
        }
    }
    return mismatches;
}

} // namespace

class ShiftPlanSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void halfYearFollowsTheFirstDisplayedMonth_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("firstShown");
        QTest::newRow("January") << 1 << 1;
        QTest::newRow("June") << 6 << 1;
        QTest::newRow("July") << 7 << 7;
        QTest::newRow("December") << 12 << 7;
    }

    void halfYearFollowsTheFirstDisplayedMonth() {
        QFETCH(int, month);
        QFETCH(int, firstShown);
        const RenderedSheet sheet(2026, month);
        QCOMPARE(mismatchedShiftBoxes(sheet, 2026, firstShown), 0);
        QVERIFY(mismatchedShiftBoxes(sheet, 2026, 8 - firstShown) > 20);
    }

    void christmasEveHasEarlyBoxAndLateAndNightCircles() {
        const RenderedSheet sheet(2026, 12);
        const DayNumber day = dayNumberOf(2026, 12, 24);
        CrewShifts crews{};
        computeCrewShifts(sheet.shifts, day, true, computeBlockVacationStart(sheet.shifts, 2026),
                          crews);
        int checked = 0;
        for (int crew = 0; crew < kCrewCount; ++crew) {
            const int code = crews[static_cast<std::size_t>(crew)];
            if (code < 1 || code > 3)
                continue;
            const QRect cell = sheet.crewCell(5, crew, 24);
            const bool box = sheet.at(cell.left() + 2, cell.top() + 2) == crewColour(crew);
            QCOMPARE(box, code == 1);
            const int radius = std::min(cell.width(), cell.height()) / 2;
            QCOMPARE(sheet.at(cell.center().x() - radius + 3, cell.center().y()), crewColour(crew));
            ++checked;
        }
        QCOMPARE(checked, 3);
    }

    void sundayOfTheBlockVacationReadsUS() {
        const RenderedSheet sheet(2026, 1);
        const DayNumber blockStart = computeBlockVacationStart(sheet.shifts, 2026);
        QRect sundayCell;
        QRect weekdayCell;
        for (DayNumber day = blockStart; day < blockStart + 140; ++day) {
            const WorkingDate date = workingDateOf(day);
            if (date.month > 6)
                break;
            CrewShifts crews{};
            computeCrewShifts(sheet.shifts, day, true, blockStart, crews);
            for (int crew = 0; crew < kCrewCount; ++crew) {
                if (crews[static_cast<std::size_t>(crew)] != 0)
                    continue;
                const QRect cell = sheet.crewCell(date.month - 1, crew, date.day);
                QCOMPARE(sheet.at(cell.left() + 4, cell.top() + 4), crewColour(crew));
                if (weekdayOf(day) == Weekday::Sunday)
                    sundayCell = cell;
                else
                    weekdayCell = cell;
            }
        }
        QVERIFY(!sundayCell.isNull() && !weekdayCell.isNull());
        QVERIFY(sheet.inkWidth(weekdayCell) > 0);
        QVERIFY(sheet.inkWidth(sundayCell) > sheet.inkWidth(weekdayCell) * 3 / 2);
    }

    void targetHoursAreAskedForTheSheetYear() {
        const RenderedSheet sheet(2031, 9);
        QVERIFY(!sheet.yearsAsked.empty());
        QCOMPARE(sheet.yearsAsked.front(), 2031);
    }

    void sheetHasItsSizeAndPicture() {
        const RenderedSheet sheet(2026, 1);
        QCOMPARE(sheet.image.size(),
                 QSize(sheet.frame.imageSize.width, sheet.frame.imageSize.height));
        const QPoint pictureCentre(sheet.px(0.4 + 3.9 / 2), sheet.py(34.7 + 4.8 / 2));
        QVERIFY(sheet.at(pictureCentre.x(), pictureCentre.y()) != QColor(Qt::white));
    }
};

} // namespace tp

QTEST_MAIN(tp::ShiftPlanSheetTest)
#include "ShiftPlanSheetTest.moc"
