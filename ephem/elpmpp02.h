#pragma once

#include "ephem/matlib.h"

// The Moon from the lunar solution ELP/MPP02 (Chapront and Francou 2003) with
// the constants fitted to the JPL ephemerides DE405/DE406.

namespace vellmora {

// The whole solution, or its terms down to 0.0005" (1 m in distance) at
// +-10 centuries from J2000, which keeps it within 0.05" of the whole over
// 1000-3000 at a seventh of the cost.
enum class LunarSeriesExtent { Truncated, Full };

// Geocentric rectangular coordinates of the Moon, km, referred to the mean
// ecliptic and equinox of J2000, at T Julian centuries since J2000 (TDB).
Vector3 MoonPositionJ2000(double T, LunarSeriesExtent extent = LunarSeriesExtent::Truncated);

}  // namespace vellmora
