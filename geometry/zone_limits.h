#pragma once

#include <vector>

#include "geometry/shadow_elements.h"
#include "geometry/zone_step.h"

// The northern and southern limits of the path of the central eclipse: the
// lines on the flattened Earth where the umbra (or antumbra) just touches a
// place, so that the central phase there lasts no time at all. Computed on the
// 15-second grid of the central line from the eclipse's Besselian elements.

namespace vellmora {

// The path of the eclipse listed at `listed`, over the twelve hours of the
// central-line scan (universal time), one step for every 15-second instant at
// which the shadow axis meets the Earth; umbralLunarRadius (Earth radii)
// sizes the umbra, as in ComputeShadowElements.
std::vector<ZoneStep> ZoneLimits(InstantTD listed, const DeltaTFigures& deltaT, double umbralLunarRadius = kLunarRadius,
                                 Ephemeris ephemeris = Ephemeris::Standard);

}  // namespace vellmora
