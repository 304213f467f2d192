#pragma once

#include "app/controls/controls.h"
#include "app/globe/globe_projection.h"
#include "geometry/visibility_map.h"

// The map of visibility on the globe: the curves of the whole eclipse in
// colours of their own, the point of greatest eclipse and a small legend in
// the bottom-left corner.

namespace vellmora {

// The colour and the pen width in pixels of a curve of the kind (the KML
// export styles its lines alike).
Rgb VisibilityCurveColour(VisibilityCurveKind kind);
int VisibilityCurveWidth(VisibilityCurveKind kind);

void DrawVisibilityMap(Canvas& canvas, const GlobeView& view, const VisibilityMap& map, int height);

}  // namespace vellmora
