#pragma once

#include "astro/AstronomySettings.h"
#include "model/WorkingDate.h"

#include <string>

namespace tp {

// "Frühlingsanfang: 5:30" (March), "Sommeranfang: " (June), "Herbstanfang: " (September),
// "Winteranfang: " (December) when the equinox or solstice falls on the working date.
std::string seasonText(const WorkingDate& date, const AstronomySettings& settings);

// Sun–Earth distance in AU at an instant (JDE).
double earthRadiusVector(double jde);

// Approximate instants of the Earth's perihelion and aphelion of the working date's year.
double perihelionEstimateJde(int year);
double aphelionEstimateJde(int year);

// "Sonnennähe: 0:30" / "Sonnenferne: 17:00" when the Earth's perihelion or aphelion falls
// on the working date.
std::string perihelionText(const WorkingDate& date, const AstronomySettings& settings);
std::string aphelionText(const WorkingDate& date, const AstronomySettings& settings);

} // namespace tp
