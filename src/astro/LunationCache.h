#pragma once

#include <cmath>
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

  private:
    // Lunation numbers of the supported years with a wide margin; others are not kept.
    static constexpr int kFirstLunation = -500;
    static constexpr int kSlots = 1100;
    std::vector<double> instants_;
};

} // namespace tp
