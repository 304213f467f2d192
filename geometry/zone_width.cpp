#include "geometry/zone_width.h"

#include <cmath>
#include <optional>

namespace vellmora {
namespace {

// Limit lines farther than this (chord) from the central point do not count
// as crossed: the plane of the crossing only stands for the ground nearby.
constexpr double kFarthestCrossingKm = 1500;
// Within that reach a point of the ground lies less than 1 % below the
// horizontal plane of the central point, relative to its distance.
constexpr double kNoNearerBeyond = 1.05;
constexpr double kNoNearerMarginKm = 1;

Vector3 Difference(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vector3 Unit(const Vector3& v) {
  const double norm = VectorNorm(v);
  return {v.x / norm, v.y / norm, v.z / norm};
}

// The local horizontal plane at a central point: along the central line and across it.
struct CrossSection {
  Vector3 Origin;  // km, Earth-fixed
  Vector3 Along;   // unit, horizontal, in the direction of the path
  Vector3 Across;  // unit, horizontal, to the left of the path
};

// centralKm: the central points Earth-fixed, in km.
std::optional<CrossSection> CrossSectionAt(const std::vector<ZoneStep>& steps, const std::vector<Vector3>& centralKm,
                                           std::size_t i) {
  if (steps.size() < 2) return std::nullopt;
  const std::size_t before = i == 0 ? 0 : i - 1;
  const std::size_t after = i + 1 == steps.size() ? i : i + 1;
  const Vector3 up = VerticalAt(steps[i].Central);
  const Vector3 chord = Difference(centralKm[after], centralKm[before]);
  const double rise = DotProduct(chord, up);
  const Vector3 horizontal{chord.x - rise * up.x, chord.y - rise * up.y, chord.z - rise * up.z};
  if (VectorNorm(horizontal) == 0) return std::nullopt;
  const Vector3 along = Unit(horizontal);
  return CrossSection{centralKm[i], along, CrossProduct(up, along)};
}

// Where a limit line (the limit points of consecutive steps joined by straight
// segments) crosses the section's across-line nearest to the central point:
// the signed distance across (km, left positive) and the crossing point.
struct Crossing {
  double Across;
  Vector3 Point;
};

// A limit line as Earth-fixed points in km; a step without a limit point
// breaks the line.
struct LimitLine {
  std::vector<Vector3> Points;
  std::vector<bool> Present;
};

LimitLine LimitLineOf(const std::vector<ZoneStep>& steps, std::optional<GeographicPoint> ZoneStep::*limit) {
  LimitLine line;
  for (const ZoneStep& step : steps) {
    const std::optional<GeographicPoint>& point = step.*limit;
    line.Points.push_back(point ? EarthFixedKm(*point) : Vector3{0, 0, 0});
    line.Present.push_back(point.has_value());
  }
  return line;
}

// The least distance of a segment's points from a point: no less than this.
double SegmentDistanceAtLeast(const Vector3& a, const Vector3& b, const Vector3& from) {
  return (VectorNorm(Difference(a, from)) + VectorNorm(Difference(b, from)) - VectorNorm(Difference(a, b))) / 2;
}

// Segments are examined outwards from the step of the central point, each way
// until a segment lies wholly beyond kFarthestCrossingKm: a limit line does not
// come back within reach farther along. A segment whose points all lie farther
// than kNoNearerBeyond times the nearest crossing so far cannot cross nearer
// (the distance across makes up all of a crossing's distance but its drop below
// the horizontal plane), so the search ends there too.
std::optional<Crossing> NearestCrossing(const LimitLine& line, const CrossSection& section, std::size_t from) {
  std::optional<Crossing> nearest;
  const auto withinReach = [&](const Vector3& point) {
    const Vector3 offset = Difference(point, section.Origin);
    return DotProduct(offset, offset) < kFarthestCrossingKm * kFarthestCrossingKm;
  };
  // Looks at the segment ending at point n; false once it is out of reach.
  const auto examine = [&](std::size_t n) {
    if (!line.Present[n - 1] || !line.Present[n]) return true;
    const Vector3& previous = line.Points[n - 1];
    const Vector3& here = line.Points[n];
    if (!withinReach(previous) && !withinReach(here)) return false;
    if (nearest && SegmentDistanceAtLeast(previous, here, section.Origin) >
                       kNoNearerBeyond * std::abs(nearest->Across) + kNoNearerMarginKm) {
      return false;
    }
    const double along0 = DotProduct(Difference(previous, section.Origin), section.Along);
    const double along1 = DotProduct(Difference(here, section.Origin), section.Along);
    if ((along0 <= 0) == (along1 <= 0)) return true;
    const double f = along0 / (along0 - along1);
    const Vector3 point{previous.x + f * (here.x - previous.x), previous.y + f * (here.y - previous.y),
                        previous.z + f * (here.z - previous.z)};
    const double across = DotProduct(Difference(point, section.Origin), section.Across);
    if (withinReach(point) && (!nearest || std::abs(across) < std::abs(nearest->Across))) {
      nearest = Crossing{across, point};
    }
    return true;
  };
  // Both ways in turn, so that the first crossing, wherever it lies, soon bounds the search.
  std::size_t later = std::max<std::size_t>(from, 1);
  std::size_t earlier = std::min(from, line.Points.size() - 1);
  bool onwards = later < line.Points.size();
  bool backwards = earlier >= 1;
  while (onwards || backwards) {
    if (onwards) onwards = examine(later) && ++later < line.Points.size();
    if (backwards) backwards = examine(earlier) && --earlier >= 1;
  }
  return nearest;
}

}  // namespace

void MeasureWidths(std::vector<ZoneStep>& steps) {
  const LimitLine northernLimit = LimitLineOf(steps, &ZoneStep::NorthernLimit);
  const LimitLine southernLimit = LimitLineOf(steps, &ZoneStep::SouthernLimit);
  std::vector<Vector3> centralKm;
  for (const ZoneStep& step : steps) centralKm.push_back(EarthFixedKm(step.Central));
  for (std::size_t i = 0; i < steps.size(); ++i) {
    steps[i].WidthKm.reset();
    const std::optional<CrossSection> section = CrossSectionAt(steps, centralKm, i);
    if (!section) continue;
    const std::optional<Crossing> north = NearestCrossing(northernLimit, *section, i);
    const std::optional<Crossing> south = NearestCrossing(southernLimit, *section, i);
    if (!north || !south) continue;
    const double northSide =
        std::copysign(GroundDistanceBetweenEarthFixedKm(section->Origin, north->Point), north->Across);
    const double southSide =
        std::copysign(GroundDistanceBetweenEarthFixedKm(section->Origin, south->Point), south->Across);
    steps[i].WidthKm = std::abs(northSide - southSide);
  }
}

}  // namespace vellmora
