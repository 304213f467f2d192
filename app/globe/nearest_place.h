#pragma once

#include "app/controls/controls.h"
#include "app/globe/globe_projection.h"

// The place of the place table nearest to a point on the Earth (along the great
// circle), whose time zone stands for the zone of a point chosen on the map.

namespace vellmora {

// Index of the nearest line of the place table (lb9); -1 for an empty table.
// Of places equally near, the first in table order.
int NearestPlaceIndex(const TextList& placeTable, const GeoPoint& point);

}  // namespace vellmora
