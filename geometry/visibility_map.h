#pragma once

#include <vector>

#include "geometry/besselian_elements.h"
#include "geometry/earth_ellipsoid.h"

// Where a solar eclipse is seen at all and how much of the Sun is covered:
// the curves of a published eclipse map, from the Besselian elements. A curve
// is a polyline of places; curves break at the antimeridian rather than jump
// across the map, and are cut where the Sun is below the horizon.

namespace vellmora {

enum class VisibilityCurveKind {
  NorthernLimit,  // of the partial eclipse
  SouthernLimit,
  BeginsAtSunrise,  // first contact with the Sun on the horizon
  BeginsAtSunset,
  EndsAtSunrise,  // last contact with the Sun on the horizon
  EndsAtSunset,
  MaximumAtSunrise,  // greatest phase with the Sun on the horizon
  MaximumAtSunset,
  EqualMagnitude,  // greatest magnitude equal to the curve's Magnitude
};

struct VisibilityCurve {
  VisibilityCurveKind Kind = VisibilityCurveKind::NorthernLimit;
  double Magnitude = 0;  // of an EqualMagnitude curve
  std::vector<GeographicPoint> Points;
};

// Where the shadow axis passes closest to the Earth's centre: on the axis,
// or on the limb for an eclipse whose axis misses the Earth.
struct GreatestEclipse {
  GeographicPoint Place;
  double Magnitude = 0;
  double Hour = 0;  // t, hours from T0
};

GreatestEclipse FindGreatestEclipse(const BesselianElements& elements);

struct VisibilityMap {
  std::vector<VisibilityCurve> Curves;
  GreatestEclipse Greatest;
};

// The magnitudes whose curves the map draws.
inline constexpr double kMapMagnitudes[] = {0.2, 0.4, 0.6, 0.8};

VisibilityMap ComputeVisibilityMap(const BesselianElements& elements);

}  // namespace vellmora
