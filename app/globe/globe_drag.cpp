#include "app/globe/globe_drag.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vellmora {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
constexpr double kHalfPi = std::numbers::pi / 2.0;
// A cursor beyond the limb holds the grabbed point just inside it.
constexpr double kLimbReach = 0.999;

struct Centre {
  double Latitude;   // radians
  double Longitude;  // radians, east positive
  bool Exact;        // brings the point under the cursor without clamping the latitude
};

double Squared(double value) { return value * value; }

// How far a candidate centre lies from the current one, for choosing between two.
double Separation(const Centre& candidate, const GlobeView& current) {
  const double longitudeGap =
      NormalizedLongitude((candidate.Longitude / kRadiansPerDegree) - current.CentreLongitude) * kRadiansPerDegree;
  return Squared(candidate.Latitude - current.CentreLatitude * kRadiansPerDegree) +
         Squared(longitudeGap * std::cos(candidate.Latitude));
}

}  // namespace

// With the point at (phi, lambda) and the centre at (phiC, lambdaC), the
// projection gives east = cos phi sin(lambda - lambdaC), so the longitude
// difference has two solutions; for each, north and cos c are the pair
// (sin phi, cos phi cos(lambda - lambdaC)) turned by phiC, which fixes phiC.
// With the north kept up, a point can lie no farther east or west of the
// central meridian than cos phi: beyond, it stays at that distance.
GlobeCentre CentreBringing(const GeoPoint& grabbed, double x, double y, const GlobeView& current) {
  double east = (x - current.CentreX) / current.Radius;
  double north = (current.CentreY - y) / current.Radius;
  const double rho = std::hypot(east, north);
  if (rho > kLimbReach) {
    east *= kLimbReach / rho;
    north *= kLimbReach / rho;
  }
  const double latitude = grabbed.Latitude * kRadiansPerDegree;
  const double longitude = grabbed.Longitude * kRadiansPerDegree;
  const double cosLatitude = std::cos(latitude);
  const double sinGap = cosLatitude > 0 ? std::clamp(east / cosLatitude, -1.0, 1.0) : 0.0;
  const double gap = std::asin(sinGap);

  std::optional<Centre> best;
  for (const double longitudeGap : std::array{gap, std::numbers::pi - gap}) {
    const double along = cosLatitude * std::cos(longitudeGap);
    // Where the cursor can be reached, acos(north / r) is atan2(cos c, north);
    // where it cannot, it still brings the point to the cursor's height if it can.
    const double turn = std::acos(std::clamp(north / std::hypot(along, std::sin(latitude)), -1.0, 1.0));
    double centreLatitude = turn - std::atan2(along, std::sin(latitude));
    centreLatitude = std::remainder(centreLatitude, 2 * std::numbers::pi);
    const Centre candidate{std::clamp(centreLatitude, -kHalfPi, kHalfPi), longitude - longitudeGap,
                           std::abs(centreLatitude) <= kHalfPi};
    if (!best || (candidate.Exact && !best->Exact) ||
        (candidate.Exact == best->Exact && Separation(candidate, current) < Separation(*best, current))) {
      best = candidate;
    }
  }
  const int centreLatitude = static_cast<int>(std::nearbyint(best->Latitude / kRadiansPerDegree));
  const double setting = NormalizedLongitude(best->Longitude / kRadiansPerDegree) + 180.0;
  return GlobeCentre{centreLatitude, static_cast<int>(std::nearbyint(setting)) % 360};
}

void GlobeDrag::Press(const GlobeView& view, double x, double y) {
  grabbed_ = PointOnDisc(view, x, y);
  pressX_ = x;
  pressY_ = y;
  dragging_ = false;
}

bool GlobeDrag::MovedTooFar(double x, double y) const { return std::hypot(x - pressX_, y - pressY_) > kClickTolerance; }

std::optional<GlobeCentre> GlobeDrag::Move(const GlobeView& view, double x, double y) {
  if (!grabbed_) return std::nullopt;
  if (!dragging_ && !MovedTooFar(x, y)) return std::nullopt;
  dragging_ = true;
  return CentreBringing(*grabbed_, x, y, view);
}

std::optional<GeoPoint> GlobeDrag::Release(double x, double y) {
  const bool click = grabbed_ && !dragging_ && !MovedTooFar(x, y);
  const std::optional<GeoPoint> clicked = click ? grabbed_ : std::nullopt;
  grabbed_.reset();
  dragging_ = false;
  return clicked;
}

}  // namespace vellmora
