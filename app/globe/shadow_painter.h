#pragma once

#include "app/controls/controls.h"
#include "app/globe/globe_projection.h"
#include "geometry/shadow_on_earth.h"

// The Moon's shadow at one instant on the globe: the penumbra's edge, the
// umbra or antumbra as a dark spot and the Sun's sub-solar point.

namespace vellmora {

void DrawShadow(Canvas& canvas, const GlobeView& view, const ShadowOnEarth& shadow);

}  // namespace vellmora
