#include "app/globe_projection.h"

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
  };
}

DiscBox GlobeDiscBox(const GlobeView& view, int height) {
  const double halfHeight = height / 2.0;
  return DiscBox{RoundToPixel(view.CentreX - halfHeight), 0, RoundToPixel(view.CentreX + halfHeight), height};
}

DiscPoint ProjectToDisc(const GlobeView& view, double latitude, double eastLongitude) {
  const double centreLatitude = view.CentreLatitude * kRadiansPerDegree;
  const double pointLatitude = latitude * kRadiansPerDegree;
  const double longitudeFromCentre = (eastLongitude - view.CentreLongitude) * kRadiansPerDegree;

  const double sinCentre = std::sin(centreLatitude);
  const double cosCentre = std::cos(centreLatitude);
  const double sinPoint = std::sin(pointLatitude);
  const double cosPoint = std::cos(pointLatitude);
  const double cosLongitude = std::cos(longitudeFromCentre);

  const double cosC = sinCentre * sinPoint + cosCentre * cosPoint * cosLongitude;
  const double x = view.Radius * cosPoint * std::sin(longitudeFromCentre);
  const double y = -view.Radius * (cosCentre * sinPoint - sinCentre * cosPoint * cosLongitude);
  return DiscPoint{view.CentreX + RoundToPixel(x), view.CentreY + RoundToPixel(y), cosC};
}

}  // namespace vellmora
