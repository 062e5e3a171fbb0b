#include "astro/AstronomyMarksSource.h"
#include "display/qt/PageFont.h"
#include "display/qt/PageRenderer.h"
#include "model/WorkingDate.h"
#include "platform/qt/Colour.h"

#include <QtTest>

namespace tp {
namespace {

const QColor kMoonLight(250, 250, 0);
const QColor kWeekNumber(112, 104, 54);

// A drawn page of six columns with the astronomy marks the settings ask for.
struct AstronomyPage {
    ShiftSystem shifts;
    QImage image;
    DayCellTable cells;
    LayoutUnits units;
    ViewPosition view;

    AstronomyPage(int year, int month, bool moonPhases, bool apsides) : view{year, month, 0, 1} {
        shifts.calendarType = CalendarType::WendringWerk;
        LunationCache cache;
        const AstronomyMarksSource source(AstronomySettings{},
                                          dayMarkRequestOf(moonPhases, apsides), cache);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(10);
        PageInput input{shifts, view};
        input.switches.moonPhases = moonPhases;
        input.switches.orbitExtremes = apsides;
        input.font = font;
        input.units = unitsOfFont(font);
        input.markSources = {&source};
        units = input.units;
        drawMonthColumns(image, input, cells);
    }

    // The place of the moon symbol and of the week number in the row of `day`.
    QRect symbolArea(DayNumber day) const {
        const WorkingDate date = workingDateOf(day);
        const int column = (date.year - view.year) * 12 + date.month - view.month;
        const int x = units.w + 18 * units.w * column + 5 * units.w;
        return QRect(x, date.day * units.h + 1, 3 * units.w, units.h - 2);
    }

    int count(const QRect& area, const QColor& colour) const {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += image.pixelColor(x, y) == colour;
        return found;
    }

    // Pixels that are drawn at all (text and symbols are antialiased).
    int countDrawn(const QRect& area) const {
        return area.width() * area.height() - count(area, colourFromWindowsValue(0xD8E9EC));
    }
};

DayAstronomyMarks marksOf(DayNumber day) {
    LunationCache cache;
    return dayAstronomyMarks(workingDateOf(day), AstronomySettings{},
                             DayMarkRequest{true, true, true}, cache);
}

// The first day in the six columns from January 2016 that passes `test`.
template <typename Test> DayNumber firstDay(Test test) {
    for (DayNumber day = dayNumberOf(2016, 1, 1); day < dayNumberOf(2016, 7, 1); ++day)
        if (test(day, marksOf(day)))
            return day;
    return -1;
}

} // namespace

class AstronomyPageMarksTest : public QObject {
    Q_OBJECT

  private slots:
    void fullMoonIsAYellowCircle() {
        const AstronomyPage page(2016, 1, true, false);
        const DayNumber fullMoon = firstDay([](DayNumber, const DayAstronomyMarks& m) {
            return m.moonPhase == MoonPhaseMark::FullMoon;
        });
        const DayNumber newMoon = firstDay([](DayNumber, const DayAstronomyMarks& m) {
            return m.moonPhase == MoonPhaseMark::NewMoon;
        });
        QVERIFY(fullMoon > 0 && newMoon > 0);
        QVERIFY(page.count(page.symbolArea(fullMoon), kMoonLight) > 4);
        QCOMPARE(page.count(page.symbolArea(newMoon), kMoonLight), 0);
        QVERIFY(page.countDrawn(page.symbolArea(newMoon)) > 4); // the grey outline
    }

    void quartersAreHalfLit() {
        const AstronomyPage page(2016, 1, true, false);
        const DayNumber firstQuarter = firstDay([](DayNumber, const DayAstronomyMarks& m) {
            return m.moonPhase == MoonPhaseMark::FirstQuarter;
        });
        const DayNumber fullMoon = firstDay([](DayNumber, const DayAstronomyMarks& m) {
            return m.moonPhase == MoonPhaseMark::FullMoon;
        });
        const int half = page.count(page.symbolArea(firstQuarter), kMoonLight);
        const int whole = page.count(page.symbolArea(fullMoon), kMoonLight);
        QVERIFY(half > 0);
        QVERIFY(half < whole * 2 / 3);
    }

    void switchesOffDrawNoMoon() {
        const AstronomyPage page(2016, 1, false, false);
        for (DayNumber day = dayNumberOf(2016, 1, 1); day < dayNumberOf(2016, 7, 1); ++day)
            QCOMPARE(page.count(page.symbolArea(day), kMoonLight), 0);
    }

    // A Monday with a moon symbol shows no week number; a Monday without one shows it.
    void weekNumberGivesWayToTheMoon() {
        const AstronomyPage withMoon(2016, 1, true, false);
        const AstronomyPage withoutMoon(2016, 1, false, false);
        const DayNumber mondayWithPhase = firstDay([](DayNumber day, const DayAstronomyMarks& m) {
            return weekdayOf(day) == Weekday::Monday && m.moonPhase != MoonPhaseMark::None &&
                   m.eclipse == EclipseMark::None;
        });
        const DayNumber plainMonday = firstDay([](DayNumber day, const DayAstronomyMarks& m) {
            return weekdayOf(day) == Weekday::Monday && m.moonPhase == MoonPhaseMark::None &&
                   m.apsis == ApsisMark::None;
        });
        QVERIFY(mondayWithPhase > 0 && plainMonday > 0);
        QVERIFY(withoutMoon.count(withoutMoon.symbolArea(mondayWithPhase), kWeekNumber) > 0);
        QCOMPARE(withMoon.count(withMoon.symbolArea(mondayWithPhase), kWeekNumber), 0);
        QVERIFY(withMoon.count(withMoon.symbolArea(plainMonday), kWeekNumber) > 0);
    }

    // "F" and "N" are written in the week number's colour in the lower half of the row.
    void apogeeAndPerigeeLetters() {
        const AstronomyPage page(2016, 1, false, true);
        const AstronomyPage plain(2016, 1, false, false);
        for (ApsisMark kind : {ApsisMark::Apogee, ApsisMark::Perigee}) {
            const DayNumber day = firstDay([kind](DayNumber d, const DayAstronomyMarks& m) {
                return m.apsis == kind && weekdayOf(d) != Weekday::Monday &&
                       workingDateOf(d).day != 1;
            });
            QVERIFY(day > 0);
            QRect lowerHalf = page.symbolArea(day);
            lowerHalf.setTop(lowerHalf.top() + page.units.h / 2);
            // The letter is antialiased: its darkest pixels come near the week-number colour.
            int differing = 0;
            int closest = 1000;
            for (int y = lowerHalf.top(); y <= lowerHalf.bottom(); ++y)
                for (int x = lowerHalf.left(); x <= lowerHalf.right(); ++x) {
                    const QColor colour = page.image.pixelColor(x, y);
                    if (colour == plain.image.pixelColor(x, y))
                        continue;
                    ++differing;
                    closest = std::min(closest, std::abs(colour.red() - kWeekNumber.red()) +
                                                    std::abs(colour.green() - kWeekNumber.green()) +
                                                    std::abs(colour.blue() - kWeekNumber.blue()));
                }
            QVERIFY(differing > 2);
            QVERIFY2(closest < 90, qPrintable(QString::number(closest)));
        }
    }
};

} // namespace tp

QTEST_MAIN(tp::AstronomyPageMarksTest)
#include "AstronomyPageMarksTest.moc"
