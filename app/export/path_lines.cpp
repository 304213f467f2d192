#include "app/export/path_lines.h"

#include <algorithm>
#include <cmath>

namespace vellmora {
namespace {

// Longitudes made continuous along the points: each differs from the one
// before by less than 180 degrees, and may so leave -180..180.
PathLine Unwrapped(const PathLine& line) {
  PathLine unwrapped = line;
  for (std::size_t n = 1; n < unwrapped.size(); ++n) {
    const double step = unwrapped[n].LongitudeEast - unwrapped[n - 1].LongitudeEast;
    unwrapped[n].LongitudeEast -= 360 * std::round(step / 360);
  }
  return unwrapped;
}

// The point where the segment a-b meets the meridian `longitude` (unwrapped degrees).
GeographicPoint OnMeridian(const GeographicPoint& a, const GeographicPoint& b, double longitude) {
  const double f = (longitude - a.LongitudeEast) / (b.LongitudeEast - a.LongitudeEast);
  return {a.Latitude + f * (b.Latitude - a.Latitude), longitude};
}

// Sutherland-Hodgman clipping of a ring (without its repeated first point) to
// one side of a meridian: keepEast keeps longitude >= meridian, otherwise <=.
PathLine ClipToMeridian(const PathLine& ring, double meridian, bool keepEast) {
  const auto inside = [&](const GeographicPoint& p) {
    return keepEast ? p.LongitudeEast >= meridian : p.LongitudeEast <= meridian;
  };
  PathLine clipped;
  for (std::size_t n = 0; n < ring.size(); ++n) {
    const GeographicPoint& a = ring[n];
    const GeographicPoint& b = ring[(n + 1) % ring.size()];
    if (inside(a)) clipped.push_back(a);
    if (inside(a) != inside(b)) clipped.push_back(OnMeridian(a, b, meridian));
  }
  return clipped;
}

}  // namespace

std::optional<GeographicPoint> PointOnLine(const ZoneStep& step, PathLineKind kind) {
  switch (kind) {
    case PathLineKind::Central:
      return step.Central;
    case PathLineKind::NorthernLimit:
      return step.NorthernLimit;
    case PathLineKind::SouthernLimit:
      return step.SouthernLimit;
  }
  return std::nullopt;
}

std::vector<PathLine> PathLines(const std::vector<ZoneStep>& steps, PathLineKind kind) {
  std::vector<PathLine> lines;
  bool broken = true;
  for (const ZoneStep& step : steps) {
    const std::optional<GeographicPoint> point = PointOnLine(step, kind);
    if (!point) {
      broken = true;
      continue;
    }
    if (broken) lines.emplace_back();
    lines.back().push_back(*point);
    broken = false;
  }
  return lines;
}

std::vector<PathLine> ZoneRings(const std::vector<ZoneStep>& steps) {
  std::vector<PathLine> rings;
  std::size_t n = 0;
  while (n < steps.size()) {
    if (!steps[n].NorthernLimit || !steps[n].SouthernLimit) {
      ++n;
      continue;
    }
    const std::size_t first = n;
    while (n < steps.size() && steps[n].NorthernLimit && steps[n].SouthernLimit) ++n;
    if (n - first < 2) continue;
    PathLine ring;
    for (std::size_t s = first; s < n; ++s) ring.push_back(*steps[s].NorthernLimit);
    for (std::size_t s = n; s-- > first;) ring.push_back(*steps[s].SouthernLimit);
    ring.push_back(ring.front());
    PathLine unwrapped = Unwrapped(ring);
    const double winding = unwrapped.back().LongitudeEast - unwrapped.front().LongitudeEast;
    if (std::abs(winding) < 180) {
      rings.push_back(ring);
      continue;
    }
    // Around the pole on the zone's side, in quarter turns so that the
    // longitudes stay continuous, back to the meridian of the first point.
    double meanLatitude = 0;
    for (const GeographicPoint& point : ring) meanLatitude += point.Latitude / static_cast<double>(ring.size());
    const double pole = meanLatitude > 0 ? 90 : -90;
    const double end = unwrapped.back().LongitudeEast;
    for (int quarter = 0; quarter <= 4; ++quarter) unwrapped.push_back({pole, end - winding * quarter / 4});
    unwrapped.push_back(unwrapped.front());
    rings.push_back(unwrapped);
  }
  return rings;
}

std::vector<PathLine> SplitLineAtAntimeridian(const PathLine& line) {
  std::vector<PathLine> pieces;
  if (line.empty()) return pieces;
  pieces.push_back({line.front()});
  for (std::size_t n = 1; n < line.size(); ++n) {
    const GeographicPoint& a = line[n - 1];
    GeographicPoint b = line[n];
    if (std::abs(b.LongitudeEast - a.LongitudeEast) > 180) {
      const double side = a.LongitudeEast > 0 ? 180 : -180;
      b.LongitudeEast += 2 * side;
      const GeographicPoint crossing = OnMeridian(a, b, side);
      pieces.back().push_back(crossing);
      pieces.push_back({{crossing.Latitude, -side}});
    }
    pieces.back().push_back(line[n]);
  }
  return pieces;
}

std::vector<PathLine> SplitRingAtAntimeridian(const PathLine& ring) {
  PathLine open = Unwrapped(ring);
  open.pop_back();
  const auto [west, east] = std::minmax_element(
      open.begin(), open.end(), [](const auto& a, const auto& b) { return a.LongitudeEast < b.LongitudeEast; });
  std::vector<PathLine> pieces;
  // One piece for every 360-degree band of the unwrapped longitudes that the ring reaches into.
  for (int band = static_cast<int>(std::floor((west->LongitudeEast + 180) / 360));
       band <= static_cast<int>(std::floor((east->LongitudeEast + 180) / 360)); ++band) {
    const double shift = 360.0 * band;
    PathLine piece = ClipToMeridian(ClipToMeridian(open, shift - 180, true), shift + 180, false);
    if (piece.size() < 3) continue;
    for (GeographicPoint& point : piece) point.LongitudeEast -= shift;
    piece.push_back(piece.front());
    pieces.push_back(piece);
  }
  return pieces;
}

}  // namespace vellmora
