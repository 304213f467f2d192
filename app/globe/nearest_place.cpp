#include "app/globe/nearest_place.h"

#include <cmath>
#include <numbers>

#include "app/resources/resources.h"

namespace vellmora {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The haversine of the angle between two points: grows with the distance, exact also for near points.
double Haversine(const GeoPoint& a, const GeoPoint& b) {
  const double sinHalfLatitude = std::sin((b.Latitude - a.Latitude) * kRadiansPerDegree / 2);
  const double sinHalfLongitude = std::sin((b.Longitude - a.Longitude) * kRadiansPerDegree / 2);
  return sinHalfLatitude * sinHalfLatitude + std::cos(a.Latitude * kRadiansPerDegree) *
                                                 std::cos(b.Latitude * kRadiansPerDegree) * sinHalfLongitude *
                                                 sinHalfLongitude;
}

}  // namespace

int NearestPlaceIndex(const TextList& placeTable, const GeoPoint& point) {
  int nearest = -1;
  double nearestHaversine = 0;
  for (int i = 0; i < placeTable.Count(); ++i) {
    const PlaceRecord place = ParsePlaceRecord(placeTable.Line(i));
    const double haversine =
        Haversine(point, GeoPoint{static_cast<double>(place.Latitude), static_cast<double>(place.Longitude)});
    if (nearest < 0 || haversine < nearestHaversine) {
      nearest = i;
      nearestHaversine = haversine;
    }
  }
  return nearest;
}

}  // namespace vellmora
