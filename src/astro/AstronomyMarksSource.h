#pragma once

#include "astro/AstronomySettings.h"
#include "astro/DayAstronomyMarks.h"
#include "astro/LunationCache.h"
#include "model/DayMarks.h"

namespace tp {

// Moon phase, eclipse and lunar apsis marks of the day rows. The lunation instants it finds
// go into the caller's cache, which outlives the page, so paging through the calendar does
// not repeat the searches.
class AstronomyMarksSource final : public DayMarksSource {
  public:
    AstronomyMarksSource(const AstronomySettings& place, const DayMarkRequest& request,
                         LunationCache& cache)
        : place_(place), request_(request), cache_(cache) {}

    void addMarks(DayNumber day, DayMarks& marks) const override;

    // Finds the marks of the days first..last now, so that a page showing them later only
    // looks them up.
    void prepare(DayNumber first, DayNumber last) const;

    bool wantsAnyMarks() const {
        return request_.moonPhases || request_.eclipses || request_.apsides;
    }

  private:
    AstronomySettings place_;
    DayMarkRequest request_;
    LunationCache& cache_;
};

// What the page shows: the phase symbols when "Mondphasen anzeigen" is on, the "F" and "N"
// letters when "Perihel und Aphel anzeigen" is on, the eclipses always.
DayMarkRequest dayMarkRequestOf(bool showMoonPhases, bool showOrbitExtremes);

} // namespace tp
