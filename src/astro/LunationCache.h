#pragma once

#include "astro/AstronomySettings.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace tp {

// Instants of lunation events already computed. The instant of one event of one lunation
// never changes, so the day-by-day searches ask here first. Owned by the caller (the page,
// a report) and handed to the searches; it only ever holds what the series would compute.
class LunationCache {
  public:
    // Event series kept apart: the four phases, the five eclipse kinds, apogee, perigee.
    static constexpr int kSeriesCount = 11;

    LunationCache()
        : instants_(static_cast<std::size_t>(kSeriesCount * kSlots),
                    std::numeric_limits<double>::quiet_NaN()) {}

    // The instant of `series` for whole lunation number `lunation`, computed by `compute`
    // on first use.
    template <class Compute> double instant(int series, double lunation, Compute compute) {
        const double slot = lunation - kFirstLunation;
        if (!(slot >= 0 && slot < kSlots))
            return compute();
        double& cached =
            instants_[static_cast<std::size_t>(series * kSlots + static_cast<int>(slot))];
        if (std::isnan(cached))
            cached = compute();
        return cached;
    }

    // The page marks of day number `day` as dayAstronomyMarks packs them, for `place` and the
    // marks asked for (`request`, a bit set); 0 while not known. A day's marks never change
    // either, but for another place or request.
    std::uint8_t dayMarks(const AstronomySettings& place, unsigned request, int day) const {
        if (place != dayMarksPlace_ || request != dayMarksRequest_)
            return 0;
        const int slot = day - kFirstDay;
        return slot >= 0 && slot < static_cast<int>(dayMarks_.size())
                   ? dayMarks_[static_cast<std::size_t>(slot)]
                   : 0;
    }
    // Whether the marks of day number `day` can be remembered.
    static bool keepsDay(int day) { return day >= kFirstDay && day < kFirstDay + kDays; }
    void rememberDayMarks(const AstronomySettings& place, unsigned request, int day,
                          std::uint8_t packed) {
        if (place != dayMarksPlace_ || request != dayMarksRequest_ || dayMarks_.empty()) {
            dayMarksPlace_ = place;
            dayMarksRequest_ = request;
            dayMarks_.assign(kDays, 0);
        }
        const int slot = day - kFirstDay;
        if (slot >= 0 && slot < kDays)
            dayMarks_[static_cast<std::size_t>(slot)] = packed;
    }

  private:
    // Day numbers of the supported years with a margin.
    static constexpr int kFirstDay = -800;
    static constexpr int kDays = 26000;
    // Lunation numbers of the supported years with a wide margin; others are not kept.
    static constexpr int kFirstLunation = -500;
    static constexpr int kSlots = 1100;
    std::vector<double> instants_;
    AstronomySettings dayMarksPlace_{};
    unsigned dayMarksRequest_ = 0;
    std::vector<std::uint8_t> dayMarks_;
};

} // namespace tp
