#pragma once

#include <functional>

#include "geometry/shadow_axis.h"

namespace vellmora {

struct CentralPhase {
  double DurationMinutes = 0;
  double Umbra = 0;  // fundamental-plane umbra of the neighbouring instant evaluated last
};

// Duration of the central phase at a central instant: the umbra's diameter on
// the ground divided by the shadow's speed across the axis over the rotating
// Earth, taken from the ground point 6 s later, or 6 s earlier when the axis
// has left the Earth by then; 0 when it misses the Earth both times.
// `neighbour(+1)` and `neighbour(-1)` give the shadow 6 s later and earlier.
CentralPhase DurationOfCentralPhase(const ShadowAxis& here, const std::function<ShadowAxis(int)>& neighbour);

}  // namespace vellmora
