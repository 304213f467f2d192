#pragma once

#include <string_view>

#include "civil/civil_clock.h"

// The clocks of a place at one instant: the civil time of its zone, the
// local mean time of its meridian and the local apparent solar time.

namespace vellmora {

struct PlaceClocks {
  CivilClock Civil;
  double MeanSolarOffsetSeconds = 0;      // local mean time minus UT
  double ApparentSolarOffsetSeconds = 0;  // local apparent solar time minus UT
};

// At the instant t (Julian centuries since J2000, UT) for the zone (an IANA
// name) and the longitude (degrees, east positive).
PlaceClocks PlaceClocksAt(std::string_view zone, double longitudeEast, double t);

}  // namespace vellmora
