#include "geometry/disc_angles.h"

namespace vellmora {
namespace {

double FullCircle(double degrees) {
  if (degrees < 0) return degrees + 360;
  if (degrees >= 360) return degrees - 360;
  return degrees;
}

}  // namespace

DiscAngles AnglesOnSunDisc(const LocalEclipseSetting& setting, const HorizonFrame& horizon, double t,
                           SunDiscPoint point) {
  const ShadowAtObserver shadow = ShadowSeenBy(setting, t);
  const ShadowElements& elements = shadow.Elements;
  double east = elements.x - shadow.Observer.xi;
  double north = elements.y - shadow.Observer.eta;
  // Inside the umbra the Moon's disc is the larger: the inner contact lies on
  // the far side of the Sun's centre from the Moon's.
  if (point == SunDiscPoint::InnerContact && shadow.RadiusAtObserver(ContactMode::Umbral) < 0) {
    east = -east;
    north = -north;
  }
  const double positionAngle = FullCircle(ArcTan2D(east, north));
  const double parallactic = ArcTan2D(DotProduct(horizon.Zenith, elements.i), DotProduct(horizon.Zenith, elements.j));
  return {positionAngle, FullCircle(positionAngle - parallactic)};
}

}  // namespace vellmora
