#include "geometry/earth_ellipsoid.h"

#include <cmath>

#include "ephem/sphlib.h"

namespace vellmora {
namespace {

constexpr double kMeanEarthRadiusKm = 6371.0;

}  // namespace

Vector3 EarthFixedKm(const GeographicPoint& point) {
  const SiteCoordinates site = GeocentricSite(point.Latitude);
  return {kEquatorialEarthRadiusKm * site.RhoCosPhi * CosD(point.LongitudeEast),
          kEquatorialEarthRadiusKm * site.RhoCosPhi * SinD(point.LongitudeEast),
          kEquatorialEarthRadiusKm * site.RhoSinPhi};
}

Vector3 VerticalAt(const GeographicPoint& point) {
  const double c = CosD(point.Latitude);
  return {c * CosD(point.LongitudeEast), c * SinD(point.LongitudeEast), SinD(point.Latitude)};
}

GeographicPoint PlaceBelow(const Vector3& earthFixed) {
  const double equatorial = std::hypot(earthFixed.x, earthFixed.y);
  return {ArcTan2D(earthFixed.z, kPolarRadiusRatioSquared * equatorial), ArcTan2D(earthFixed.y, earthFixed.x)};
}

double GroundDistanceBetweenEarthFixedKm(const Vector3& aKm, const Vector3& bKm) {
  const double chord = VectorNorm({bKm.x - aKm.x, bKm.y - aKm.y, bKm.z - aKm.z});
  return 2 * kMeanEarthRadiusKm * std::asin(std::min(1.0, chord / (2 * kMeanEarthRadiusKm)));
}

double GroundDistanceKm(const GeographicPoint& a, const GeographicPoint& b) {
  return GroundDistanceBetweenEarthFixedKm(EarthFixedKm(a), EarthFixedKm(b));
}

}  // namespace vellmora
