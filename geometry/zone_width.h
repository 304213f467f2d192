#pragma once

#include <vector>

#include "geometry/zone_step.h"

namespace vellmora {

// Sets the width of every step: the distance between the northern and the
// southern limit line along the ground line through the central point
// perpendicular to the central line there. At a low Sun the limit points of
// one instant lie far apart along the path, so the limit lines are crossed
// between the points of other instants.
void MeasureWidths(std::vector<ZoneStep>& steps);

}  // namespace vellmora
