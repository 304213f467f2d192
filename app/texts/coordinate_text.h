#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/globe/globe_projection.h"

// Coordinates typed into the place chooser CB6 and shown there: latitude
// first, then longitude, in decimal degrees, east and north positive:
//   "48.78 9.18"   "48.78, 9.18"   "48.78 N 9.18 O"   "33.9 S 18.4 W"
// A letter (N, S; O or E for east, W; either case, an optional degree sign
// before it) stands for the sign; with letters for both, the longitude may
// come first. Latitudes beyond 90 and longitudes beyond 180 degrees are no
// coordinates.

namespace vellmora {

std::optional<GeoPoint> ParseCoordinates(std::string_view text);

// "48.78 N 9.18 O": up to four decimals, letters for the hemispheres.
std::string FormatCoordinates(const GeoPoint& point);

// The point to the four decimals that FormatCoordinates shows.
GeoPoint RoundedToShownDecimals(const GeoPoint& point);

}  // namespace vellmora
