#include "geometry/shadow_on_earth.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "ephem/sphlib.h"
#include "geometry/elements_local.h"

namespace vellmora {
namespace {

constexpr int kOutlinePoints = 180;

// The ground point at angle theta around the axis on the edge of the cone of
// radius l and slope tanF.
std::optional<GeographicPoint> EdgePoint(const ElementsAtInstant& e, const PlaneFrame& frame, double l, double tanF,
                                         double theta) {
  const std::optional<PlaneObserver> edge = ConeEdgeOnGround(e, frame, l, tanF, theta);
  if (!edge) return std::nullopt;
  return PlaceInFrame(frame, edge->Xi, edge->Eta, edge->Zeta);
}

}  // namespace

ShadowOnEarth ShadowAt(const BesselianElements& elements, double t) {
  const ElementsAtInstant e = EvaluateElements(elements, t);
  const PlaneFrame frame = FrameOf(e);
  ShadowOnEarth shadow;
  std::vector<GeographicPoint> piece;
  bool umbraComplete = true;
  for (int k = 0; k <= kOutlinePoints; ++k) {
    const double theta = 2 * std::numbers::pi * k / kOutlinePoints;
    if (const auto place = EdgePoint(e, frame, e.L1, e.TanF1, theta)) {
      piece.push_back(*place);
    } else if (!piece.empty()) {
      shadow.Penumbra.push_back(std::move(piece));
      piece.clear();
    }
    if (const auto place = EdgePoint(e, frame, e.L2, e.TanF2, theta)) {
      shadow.Umbra.push_back(*place);
    } else {
      umbraComplete = false;
    }
  }
  const bool wrapsAround =
      !piece.empty() && !shadow.Penumbra.empty() && EdgePoint(e, frame, e.L1, e.TanF1, 0).has_value();
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
