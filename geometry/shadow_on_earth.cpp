#include "geometry/shadow_on_earth.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "ephem/sphlib.h"
#include "geometry/elements_local.h"

namespace vellmora {
namespace {

constexpr int kOutlinePoints = 180;
constexpr int kHeightIterations = 3;

// The ground point at angle theta around the axis on the edge of the cone of
// radius l and slope tanF: the radius shrinks with the height zeta of the place.
std::optional<GeographicPoint> EdgePoint(const ElementsAtInstant& e, double l, double tanF, double theta) {
  double zeta = 0;
  std::optional<GeographicPoint> place;
  for (int n = 0; n < kHeightIterations; ++n) {
    const double radius = std::abs(l - zeta * tanF);
    place = PlaceOnPlane(e, e.X + radius * std::cos(theta), e.Y + radius * std::sin(theta));
    if (!place) return std::nullopt;
    zeta = ObserverOnPlane(e, GeocentricSite(place->Latitude), place->LongitudeEast).Zeta;
  }
  return place;
}

}  // namespace

ShadowOnEarth ShadowAt(const BesselianElements& elements, double t) {
  const ElementsAtInstant e = EvaluateElements(elements, t);
  ShadowOnEarth shadow;
  std::vector<GeographicPoint> piece;
  bool umbraComplete = true;
  for (int k = 0; k <= kOutlinePoints; ++k) {
    const double theta = 2 * std::numbers::pi * k / kOutlinePoints;
    if (const auto place = EdgePoint(e, e.L1, e.TanF1, theta)) {
      piece.push_back(*place);
    } else if (!piece.empty()) {
      shadow.Penumbra.push_back(std::move(piece));
      piece.clear();
    }
    if (const auto place = EdgePoint(e, e.L2, e.TanF2, theta)) {
      shadow.Umbra.push_back(*place);
    } else {
      umbraComplete = false;
    }
  }
  const bool wrapsAround = !piece.empty() && !shadow.Penumbra.empty() && EdgePoint(e, e.L1, e.TanF1, 0).has_value();
  if (wrapsAround) {
    // The last piece runs on into the first one across angle 0.
    piece.insert(piece.end(), shadow.Penumbra.front().begin() + 1, shadow.Penumbra.front().end());
    shadow.Penumbra.front() = std::move(piece);
  } else if (!piece.empty()) {
    shadow.Penumbra.push_back(std::move(piece));
  }
  if (!umbraComplete) shadow.Umbra.clear();
  const double longitude = std::remainder(-e.HourAngle, 360.0);
  shadow.SubSolar = {e.D, longitude};
  return shadow;
}

}  // namespace vellmora
