#include "astro/AstronomyMarksSource.h"

namespace tp {

namespace {

char phaseLetter(MoonPhaseMark phase) {
    switch (phase) {
    case MoonPhaseMark::NewMoon:
        return 'N';
    case MoonPhaseMark::FirstQuarter:
        return 'E';
    case MoonPhaseMark::FullMoon:
        return 'V';
    case MoonPhaseMark::LastQuarter:
        return 'L';
    case MoonPhaseMark::None:
        break;
    }
    return 0;
}

EclipseSymbol eclipseSymbol(EclipseMark eclipse) {
    switch (eclipse) {
    case EclipseMark::Solar:
        return EclipseSymbol::Solar;
    case EclipseMark::Lunar:
        return EclipseSymbol::Lunar;
    case EclipseMark::None:
        break;
    }
    return EclipseSymbol::None;
}

} // namespace

void AstronomyMarksSource::addMarks(DayNumber day, DayMarks& marks) const {
    if (!wantsAnyMarks())
        return;
    const DayAstronomyMarks found = dayAstronomyMarks(workingDateOf(day), place_, request_, cache_);
    marks.moonPhase = phaseLetter(found.moonPhase);
    marks.eclipse = eclipseSymbol(found.eclipse);
    marks.lunarApsis = *apsisLetter(found.apsis);
}

void AstronomyMarksSource::prepare(DayNumber first, DayNumber last) const {
    if (wantsAnyMarks())
        prepareDayAstronomyMarks(first, last, place_, request_, cache_);
}

DayMarkRequest dayMarkRequestOf(bool showMoonPhases, bool showOrbitExtremes) {
    // No switch hides the eclipses: they are marked wherever the day's own phase searches
    // find a new or full moon near, whether or not the phase symbols are shown.
    return {showMoonPhases, true, showOrbitExtremes};
}

} // namespace tp
