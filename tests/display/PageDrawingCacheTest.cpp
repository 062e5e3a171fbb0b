#include "display/qt/PageDrawingCache.h"

#include "astro/AstronomyMarksSource.h"
#include "display/qt/PageFont.h"
#include "display/qt/PageRenderer.h"

#include <QtTest>

namespace tp {
namespace {

// Notes, calendar bars of many colours and markings on a fixed pattern of days.
class BusyDays : public DayMarksSource {
  public:
    void addMarks(DayNumber day, DayMarks& marks) const override {
        const unsigned mixed = static_cast<unsigned>(day) * 2654435761u;
        marks.dayNote = mixed % 7 == 0;
        marks.yearlyNote = mixed % 13 == 0;
        if (mixed % 17 == 0)
            marks.weekdayNote = WeekdayNoteMark::Half;
        if ((mixed >> 8) % 5 == 0)
            marks.barColour = static_cast<int>((mixed >> 4) & 0xFFFFFF) | 0x404040;
        if ((mixed >> 12) % 3 == 0) {
            marks.markingColumn = 1 + static_cast<int>((mixed >> 16) % 4);
            marks.markingLetter = (mixed >> 20) % 2 ? "K" : "\xC3\x9C"; // K, Ü
        }
    }
};

struct PageCase {
    const char* name;
    CalendarType type;
    int columns;
    int year;
    int month;
    const char* family;
    int pointSize;
};

// Every column count, the three kinds of shift area and two fonts; 1985 and 2026 bring
// eclipses, plant holidays and the Sunday circles.
constexpr PageCase kCases[] = {
    {"24 columns, five crews", CalendarType::WendringWerk, 24, 1985, 1, "DejaVu Sans", 10},
    {"12 columns, two shifts", CalendarType::WendringTwoShift, 12, 2026, 12, "DejaVu Sans", 10},
    {"6 columns, four crews", CalendarType::ValdorHalmstett, 6, 2000, 3, "DejaVu Sans", 10},
    {"24 columns, large serif", CalendarType::WendringPm1, 24, 2026, 1, "DejaVu Serif", 15},
    {"12 columns, large serif", CalendarType::BrellingKarton, 12, 1999, 6, "DejaVu Serif", 15},
    {"6 columns, large serif", CalendarType::WendringWerk, 6, 1991, 11, "DejaVu Serif", 15},
};

QImage pageOf(const PageCase& page, PageDrawingCache& cache) {
    ShiftSystem shifts;
    shifts.calendarType = page.type;
    PageInput input{shifts, ViewPosition{page.year, page.month, 0, 1}};
    input.lastColumnIndex = page.columns - 1;
    input.switches.moonPhases = true;
    input.switches.orbitExtremes = true;
    QFont font(QString::fromLatin1(page.family));
    font.setPointSize(page.pointSize);
    input.font = font;
    input.units = unitsOfFont(font);
    const BusyDays busy;
    LunationCache lunations;
    const AstronomyMarksSource astronomy(AstronomySettings{}, dayMarkRequestOf(true, true),
                                         lunations);
    input.markSources = {&astronomy, &busy};
    QImage image;
    DayCellTable cells;
    drawPage(image, input, cells, cache);
    return image;
}

QString firstDifference(const QImage& expected, const QImage& actual) {
    if (expected.size() != actual.size())
        return QStringLiteral("size differs");
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (expected.pixel(x, y) != actual.pixel(x, y))
                return QStringLiteral("pixel (%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(actual.pixel(x, y), 8, 16)
                    .arg(expected.pixel(x, y), 8, 16);
    return {};
}

class PageDrawingCacheTest : public QObject {
    Q_OBJECT

  private slots:
    // Symbols copied from other places, other pages and other fonts look exactly as drawn on
    // the spot.
    void copiedSymbolsLookAsDrawn() {
        for (const PageCase& page : kCases) {
            PageDrawingCache drawnAnew(0);
            const QImage expected = pageOf(page, drawnAnew);

            PageDrawingCache keptOnPage;
            QCOMPARE(firstDifference(expected, pageOf(page, keptOnPage)), QString());

            PageDrawingCache keptAcrossPages;
            for (const PageCase& other : kCases)
                pageOf(other, keptAcrossPages);
            QVERIFY2(firstDifference(expected, pageOf(page, keptAcrossPages)).isEmpty(), page.name);
        }
    }

    // A full cache starts over instead of growing or going wrong.
    void aSmallCacheKeepsThePageRight() {
        PageDrawingCache drawnAnew(0);
        PageDrawingCache small(3);
        for (const PageCase& page : kCases)
            QVERIFY2(firstDifference(pageOf(page, drawnAnew), pageOf(page, small)).isEmpty(),
                     page.name);
    }
};

} // namespace
} // namespace tp

QTEST_MAIN(tp::PageDrawingCacheTest)
#include "PageDrawingCacheTest.moc"
