#include "app/globe/globe_projection.h"

#include <algorithm>
#include <cmath>

#include "ephem/constants.h"

namespace vellmora {

int RoundToPixel(double value) { return static_cast<int>(std::nearbyint(value)); }

GlobeView MakeGlobeView(int centreLatitude, double mapCentreLongitude, int width, int height) {
  return GlobeView{
      .CentreLatitude = static_cast<double>(centreLatitude),
      .CentreLongitude = mapCentreLongitude - 180.0,
      .Radius = height / 2.0,
      .CentreX = (width - 20) / 2 + 10,
      .CentreY = height / 2,
      .SinCentreLatitude = std::sin(centreLatitude * kRadiansPerDegree),
      .CosCentreLatitude = std::cos(centreLatitude * kRadiansPerDegree),
  };
}

DiscBox GlobeDiscBox(const GlobeView& view, int height) {
  const double halfHeight = height / 2.0;
  return DiscBox{RoundToPixel(view.CentreX - halfHeight), 0, RoundToPixel(view.CentreX + halfHeight), height};
}

DiscPoint ProjectToDisc(const GlobeView& view, double latitude, double eastLongitude) {
  const double pointLatitude = latitude * kRadiansPerDegree;
  return ProjectToDisc(view, std::sin(pointLatitude), std::cos(pointLatitude), eastLongitude);
}

DiscPoint ProjectToDisc(const GlobeView& view, double sinPoint, double cosPoint, double eastLongitude) {
  const double longitudeFromCentre = (eastLongitude - view.CentreLongitude) * kRadiansPerDegree;
  const double sinCentre = view.SinCentreLatitude;
  const double cosCentre = view.CosCentreLatitude;
  const double cosLongitude = std::cos(longitudeFromCentre);

  const double cosC = sinCentre * sinPoint + cosCentre * cosPoint * cosLongitude;
  const double x = view.Radius * cosPoint * std::sin(longitudeFromCentre);
  const double y = -view.Radius * (cosCentre * sinPoint - sinCentre * cosPoint * cosLongitude);
  return DiscPoint{view.CentreX + RoundToPixel(x), view.CentreY + RoundToPixel(y), cosC};
}

// The orthographic projection inverted: on the unit disc (east right, north up)
// the point's angular distance c from the view centre has sin c = rho.
std::optional<GeoPoint> PointOnDisc(const GlobeView& view, double x, double y) {
  const double east = (x - view.CentreX) / view.Radius;
  const double north = (view.CentreY - y) / view.Radius;
  const double rho = std::hypot(east, north);
  if (!(rho < 1.0)) return std::nullopt;
  const double cosC = std::sqrt(1.0 - rho * rho);
  const double sinCentre = view.SinCentreLatitude;
  const double cosCentre = view.CosCentreLatitude;
  const double latitude = std::asin(std::clamp(cosC * sinCentre + north * cosCentre, -1.0, 1.0));
  const double longitudeFromCentre = std::atan2(east, cosCentre * cosC - north * sinCentre);
  return GeoPoint{latitude / kRadiansPerDegree,
                  NormalizedLongitude(view.CentreLongitude + longitudeFromCentre / kRadiansPerDegree)};
}

double NormalizedLongitude(double longitude) {
  const double turned = std::fmod(longitude + 180.0, 360.0);
  return (turned < 0 ? turned + 360.0 : turned) - 180.0;
}

}  // namespace vellmora
