#include "geometry/path_distance.h"

#include <algorithm>

namespace vellmora {
namespace {

Vector3 Minus(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

// Nearest point of the segment from a to b to the point p (all Earth-fixed km).
Vector3 NearestOnSegment(const Vector3& p, const Vector3& a, const Vector3& b) {
  const Vector3 ab = Minus(b, a);
  const double lengthSquared = DotProduct(ab, ab);
  if (lengthSquared == 0) return a;
  const double s = std::clamp(DotProduct(Minus(p, a), ab) / lengthSquared, 0.0, 1.0);
  return {a.x + s * ab.x, a.y + s * ab.y, a.z + s * ab.z};
}

// Which way the place p lies from the point q of the line (Earth-fixed km):
// the sign of the offset's component towards the north pole in q's horizon.
PathSide SideSeenFrom(const Vector3& q, const Vector3& p) {
  const double length = VectorNorm(q);
  const Vector3 up{q.x / length, q.y / length, q.z / length};
  const Vector3 north{-up.z * up.x, -up.z * up.y, 1 - up.z * up.z};
  return DotProduct(Minus(p, q), north) >= 0 ? PathSide::North : PathSide::South;
}

}  // namespace

std::optional<DistanceToLine> DistanceFromLine(const GeographicPoint& place, std::span<const GeographicPoint> line) {
  if (line.empty()) return std::nullopt;
  const Vector3 p = EarthFixedKm(place);
  Vector3 nearest = EarthFixedKm(line.front());
  Vector3 previous = nearest;
  for (std::size_t i = 1; i < line.size(); ++i) {
    const Vector3 next = EarthFixedKm(line[i]);
    const Vector3 candidate = NearestOnSegment(p, previous, next);
    const Vector3 toCandidate = Minus(candidate, p);
    const Vector3 toNearest = Minus(nearest, p);
    if (DotProduct(toCandidate, toCandidate) < DotProduct(toNearest, toNearest)) nearest = candidate;
    previous = next;
  }
  return DistanceToLine{GroundDistanceBetweenEarthFixedKm(p, nearest), SideSeenFrom(nearest, p)};
}

std::optional<DistanceToLine> DistanceFromLines(const GeographicPoint& place,
                                                const std::vector<std::vector<GeographicPoint>>& lines) {
  std::optional<DistanceToLine> nearest;
  for (const std::vector<GeographicPoint>& line : lines) {
    const std::optional<DistanceToLine> distance = DistanceFromLine(place, line);
    if (distance && (!nearest || distance->Kilometres < nearest->Kilometres)) nearest = distance;
  }
  return nearest;
}

}  // namespace vellmora
