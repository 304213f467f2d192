#pragma once

#include "app/controls/controls.h"
#include "app/globe/globe_projection.h"
#include "geometry/visibility_map.h"

// The map of visibility on the globe: the curves of the whole eclipse in
// colours of their own, the point of greatest eclipse and a small legend in
// the bottom-left corner.

namespace vellmora {

void DrawVisibilityMap(Canvas& canvas, const GlobeView& view, const VisibilityMap& map, int height);

}  // namespace vellmora
