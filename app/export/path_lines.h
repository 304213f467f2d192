#pragma once

#include <vector>

#include "geometry/zone_limits.h"

// The lines of a central path as a map client draws them: the central line,
// the two limits and the zone between them, as runs of points.

namespace vellmora {

using PathLine = std::vector<GeographicPoint>;

// Decimals of the degrees the XML exports write: about a metre.
inline constexpr int kCoordinateDecimals = 5;

enum class PathLineKind { Central, NorthernLimit, SouthernLimit };

// The step's point on that line; none where the limit is missing.
std::optional<GeographicPoint> PointOnLine(const ZoneStep& step, PathLineKind kind);

// The points of one line in step order, broken where a limit is missing.
std::vector<PathLine> PathLines(const std::vector<ZoneStep>& steps, PathLineKind kind);

// The zone as closed rings (first point repeated at the end), one for each run
// of steps that have both limits: along the northern limit and back along the
// southern one. A zone that holds a pole is closed over that pole (along its
// parallel of 90 degrees), its longitudes running on continuously beyond
// -180..180; SplitRingAtAntimeridian brings them back into range.
std::vector<PathLine> ZoneRings(const std::vector<ZoneStep>& steps);

// A line cut where it crosses the 180th meridian, each cut ending and the next
// piece starting at the crossing (longitude +180 on the one side, -180 on the other).
std::vector<PathLine> SplitLineAtAntimeridian(const PathLine& line);

// A closed ring cut into closed rings that each lie within -180..180 and are
// bounded by the 180th meridian where it was cut.
std::vector<PathLine> SplitRingAtAntimeridian(const PathLine& ring);

}  // namespace vellmora
