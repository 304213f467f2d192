#pragma once

#include <optional>

#include "geometry/earth_ellipsoid.h"

// One instant of the path of a central eclipse: where the shadow axis and the
// edges of the umbra meet the Earth.

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

}  // namespace vellmora
