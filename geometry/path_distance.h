#pragma once

#include <optional>
#include <span>
#include <vector>

#include "geometry/earth_ellipsoid.h"

// Distances over the ground from an observing place to the lines of an
// eclipse path: the central line and the limits of the central phase.

namespace vellmora {

enum class PathSide { North, South };

struct DistanceToLine {
  double Kilometres = 0;
  PathSide Side = PathSide::North;  // where the place lies as seen from the nearest point of the line
};

// The shortest distance from the place to a polyline through the points, its
// pieces taken as straight in space between neighbours (the steps of a path
// are short); nothing for an empty line.
std::optional<DistanceToLine> DistanceFromLine(const GeographicPoint& place, std::span<const GeographicPoint> line);

// The nearest of several polylines (a limit with gaps where it leaves the Earth).
std::optional<DistanceToLine> DistanceFromLines(const GeographicPoint& place,
                                                const std::vector<std::vector<GeographicPoint>>& lines);

}  // namespace vellmora
