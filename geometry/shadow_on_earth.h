#pragma once

#include <vector>

#include "geometry/besselian_elements.h"
#include "geometry/earth_ellipsoid.h"

// The Moon's shadow on the Earth at one instant, from the Besselian elements:
// where the edge of the penumbra and of the umbra (or antumbra) meet the
// ground, and the point that has the Sun in the zenith.

namespace vellmora {

struct ShadowOnEarth {
  // The penumbra's edge on the day side, in pieces where it runs off the Earth.
  std::vector<std::vector<GeographicPoint>> Penumbra;
  // The umbra's or antumbra's edge, closed; empty while it misses the Earth.
  std::vector<GeographicPoint> Umbra;
  GeographicPoint SubSolar;
};

// The shadow at t, hours from the elements' T0.
ShadowOnEarth ShadowAt(const BesselianElements& elements, double t);

}  // namespace vellmora
