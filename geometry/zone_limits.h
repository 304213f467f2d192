#pragma once

#include <optional>
#include <vector>

#include "geometry/earth_ellipsoid.h"
#include "geometry/shadow_elements.h"

// The northern and southern limits of the path of the central eclipse: the
// lines on the flattened Earth where the umbra (or antumbra) of the local
// circumstances just touches a place, so that the central phase there lasts
// no time at all. Computed on the 15-second grid of the central line.

namespace vellmora {

// One instant of the path. A limit is missing where the edge of the shadow
// that would trace it lies off the Earth (beyond the limb or past the pole);
// the width is missing where either limit line is not there across the path.
struct ZoneStep {
  double Instant = 0;  // universal time, Julian centuries since J2000
  std::optional<GeographicPoint> NorthernLimit;
  GeographicPoint Central;  // where the shadow axis meets the Earth
  std::optional<GeographicPoint> SouthernLimit;
  std::optional<double> WidthKm;      // between the limit lines, across the central line
  double CentralDurationSeconds = 0;  // of the central phase at the central point
};

// The path of the eclipse whose catalogue date and hour (universal time) are
// given, over the twelve hours of the central-line scan, one step for every
// 15-second instant at which the shadow axis meets the Earth. deltaTDays is
// ephemeris time minus universal time; umbralLunarRadius (Earth radii) sizes
// the umbra, as in ComputeShadowElements.
std::vector<ZoneStep> ZoneLimits(int day, int month, int year, double hours, double deltaTDays,
                                 double umbralLunarRadius = kLunarRadius, Ephemeris ephemeris = Ephemeris::Standard);

// The same with the program's Delta-T of the year.
std::vector<ZoneStep> ZoneLimits(int day, int month, int year, double hours);

}  // namespace vellmora
